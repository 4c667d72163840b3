// What the application offers the documents and the window commands: the
// notification hub, the current time and place, and the running script's
// error text. The application implements them; tests hand in fakes.
#pragma once

#include "app/notification.h"
#include "base/date_time_location.h"
#include "base/wide_string.h"
#include "script/window_kind.h"

namespace corvinata {

class NotificationRegistryInterface {
public:
    virtual ~NotificationRegistryInterface() = default;
    virtual NotificationHub& GetNotificationHub() = 0;
};

class CurrentTimeAndLocationInterface {
public:
    virtual ~CurrentTimeAndLocationInterface() = default;
    // The application's current moment, place and daylight-saving flag.
    virtual const DateTimeLocation& GetTimeAndLocation() const = 0;
};

// Where a refused request of a script statement or automation call is told.
class ScriptErrorInterface {
public:
    virtual ~ScriptErrorInterface() = default;
    // While a script runs and no error is recorded yet, records `text` as its
    // error; otherwise nothing.
    virtual void SetScriptErrorIfRunning(const String& text) = 0;
};

}  // namespace corvinata
