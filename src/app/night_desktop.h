// What night vision changes outside the program: the desktop's system
// colours and its visual styles. The desktop's own look is taken when night
// vision goes on and put back when it goes off; in between it is kept in
// the settings as well, so that a run that ends without putting it back (a
// crash, a kill) hands it to the next start, which puts it back first.
#pragma once

#include <array>

#include "app/night_vision.h"
#include "base/settings_tree.h"

namespace corvinata {

// The colours of the table at night: the rules' shades and black, the
// desktop background as it was.
DesktopColours NightDesktopColours(const DesktopColours& own, const std::array<Colour, 5>& shades) noexcept;

// The kept look in the settings: the key "Desktop as it was" below the
// night-vision key of the settings root, with "Colours" (30 colours as
// six-digit hexadecimal RRGGBB, separated by commas) and "Visual styles".
class KeptDesktopStore final : public DesktopKeeperInterface {
public:
    KeptDesktopStore(StorageService& storage, String root) : storage_(storage), root_(std::move(root)) {}

    void Keep(const DesktopLook& look) override;
    void Forget() override;
    bool Holds() const;
    // The look a run left kept; false when there is none or it cannot be
    // read whole (a look read in part would paint the desktop wrongly).
    bool Load(DesktopLook& look) const;

private:
    StorageService& storage_;
    String root_;
};

String DesktopColoursText(const DesktopColours& colours);
bool ParseDesktopColours(const String& text, DesktopColours& colours) noexcept;

// At start, before anything else: a look left kept by a run that did not
// put it back goes back onto the desktop and is forgotten. Answers whether
// there was one.
bool PutBackDesktopLeftAtNight(KeptDesktopStore& store, DesktopInterface& desktop);

}  // namespace corvinata
