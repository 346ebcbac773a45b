#include "tests/platform/win32/DesktopWindowTree.h"

#include <commctrl.h>
#include <stdexcept>
#include <string>

namespace tovra::platform::win32::test {

namespace {

void registerClass(const wchar_t* name) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    if (::RegisterClassW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("cannot register a window class");
    }
}

HWND created(HWND window) {
    if (window == nullptr) {
        throw std::runtime_error("cannot create a window (is there a display?)");
    }
    return window;
}

void addItem(HWND list, int index, const wchar_t* text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text);
    ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

} // namespace

DesktopWindowTree::DesktopWindowTree() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    registerClass(L"Progman");
    registerClass(L"SHELLDLL_DefView");
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const int width = kBounds.right - kBounds.left;
    const int height = kBounds.bottom - kBounds.top;
    progman_ =
        created(::CreateWindowExW(0, L"Progman", L"Program Manager", WS_POPUP, kBounds.left,
                                  kBounds.top, width, height, nullptr, nullptr, instance, nullptr));
    defView_ = created(::CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                         width, height, progman_, nullptr, instance, nullptr));
    iconList_ =
        created(::CreateWindowExW(0, WC_LISTVIEWW, L"FolderView", WS_CHILD | WS_VISIBLE | LVS_ICON,
                                  0, 0, width, height, defView_, nullptr, instance, nullptr));
    const wchar_t* const items[kItemCount] = {L"我的电脑", L"回收站", L"Readme.txt"};
    for (int i = 0; i < kItemCount; ++i) {
        addItem(iconList_, i, items[i]);
    }
    // Shown without taking the focus, as the desktop is: Wine without a
    // window manager waits two seconds for a window that had the focus to go.
    ::ShowWindow(progman_, SW_SHOWNA);
}

DesktopWindowTree::~DesktopWindowTree() {
    ::DestroyWindow(progman_); // takes its children with it
}

} // namespace tovra::platform::win32::test
