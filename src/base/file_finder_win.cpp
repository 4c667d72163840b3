#include <windows.h>

#include "base/scoped_win.h"
#include "base/storage_service_win.h"

namespace corvinata {

namespace {

class Win32FileFinder final : public FileFinder {
public:
    bool Close() override { return search_.Close(); }

    bool FindFirst(String& text) override {
        WIN32_FIND_DATAW found;
        search_.Reset(FindFirstFileW(text.Text(), &found));
        if (!search_.IsValid()) return false;
        Take(found, text);
        return true;
    }

    bool FindNext(String& text) override {
        WIN32_FIND_DATAW found;
        if (!search_.IsValid() || !FindNextFileW(search_.Get(), &found)) return false;
        Take(found, text);
        return true;
    }

    bool FoundFolder() const override { return folder_; }

private:
    void Take(const WIN32_FIND_DATAW& found, String& text) {
        folder_ = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        StringAssign(text, found.cFileName);
    }

    ScopedFindHandle search_;
    bool folder_ = false;
};

}  // namespace

std::unique_ptr<FileFinder> MakeWin32FileFinder() { return std::make_unique<Win32FileFinder>(); }

}  // namespace corvinata
