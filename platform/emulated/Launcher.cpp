#include "platform/emulated/Launcher.h"

#include <cerrno>

namespace tovra::platform::emulated {

unsigned windowsStartResult(int error, unsigned success) {
    switch (error) {
    case 0:
        return success;
    case ENOENT:
    case ENOTDIR:
        return 2;
    case EACCES:
    case EPERM:
        return 5;
    case ENOEXEC:
        return 11;
    default:
        return 0;
    }
}

} // namespace tovra::platform::emulated
