#pragma once

// The platform layer keeps window and key handles as plain integers; the
// Windows calls take HWND and HKEY. Windows-only: include from platform/win32
// sources and Windows test code, never from a header of the platform layer.

#include "platform/Registry.h"
#include "platform/Types.h"

#include <windows.h>

namespace tovra::platform::win32 {

[[nodiscard]] inline HWND toHwnd(Hwnd window) {
    return reinterpret_cast<HWND>(window);
}

[[nodiscard]] inline Hwnd fromHwnd(HWND window) {
    return reinterpret_cast<Hwnd>(window);
}

/// The predefined roots are numbered as 32-bit Windows numbers them
/// (0x80000001 for HKEY_CURRENT_USER); on 64-bit Windows their HKEY values are
/// those numbers sign-extended. Any other handle is the HKEY itself.
[[nodiscard]] inline HKEY toHkey(HKey key) {
    switch (key) {
    case kHkeyClassesRoot:
        return HKEY_CLASSES_ROOT;
    case kHkeyCurrentUser:
        return HKEY_CURRENT_USER;
    case kHkeyLocalMachine:
        return HKEY_LOCAL_MACHINE;
    default:
        return reinterpret_cast<HKEY>(key);
    }
}

[[nodiscard]] inline HKey fromHkey(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) {
        return kHkeyClassesRoot;
    }
    if (key == HKEY_CURRENT_USER) {
        return kHkeyCurrentUser;
    }
    if (key == HKEY_LOCAL_MACHINE) {
        return kHkeyLocalMachine;
    }
    return reinterpret_cast<HKey>(key);
}

[[nodiscard]] inline bool isPredefinedRoot(HKey key) {
    return key == kHkeyClassesRoot || key == kHkeyCurrentUser || key == kHkeyLocalMachine;
}

} // namespace tovra::platform::win32
