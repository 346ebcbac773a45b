#pragma once

// The desktop's window tree as Explorer makes it, built by the test itself
// (Wine has no desktop of its own): a top-level "Progman" window titled
// "Program Manager", its "SHELLDLL_DefView" child, and that one's
// "SysListView32" child, a real common-controls list view holding a few items.
// Everything is destroyed with the object.

#include <windows.h>

namespace tovra::platform::win32::test {

class DesktopWindowTree {
public:
    static constexpr RECT kBounds{10, 20, 650, 500};
    static constexpr int kItemCount = 3;

    DesktopWindowTree();
    ~DesktopWindowTree();
    DesktopWindowTree(const DesktopWindowTree&) = delete;
    DesktopWindowTree& operator=(const DesktopWindowTree&) = delete;

    [[nodiscard]] HWND progman() const { return progman_; }
    [[nodiscard]] HWND defView() const { return defView_; }
    [[nodiscard]] HWND iconList() const { return iconList_; }

private:
    HWND progman_ = nullptr;
    HWND defView_ = nullptr;
    HWND iconList_ = nullptr;
};

} // namespace tovra::platform::win32::test
