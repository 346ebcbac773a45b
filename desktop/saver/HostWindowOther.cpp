#include "desktop/saver/HostWindow.h"

namespace tovra::saver {

QSize hostWindowSize(QWindow& host) {
    return host.size();
}

} // namespace tovra::saver
