#pragma once

// TFormlogo, the splash: the first thing start-up shows, run modally before
// any other window exists. It stays opaque for half a second, fades out and
// closes after about three seconds, or at once on a click.

#include "app/FadeWindow.h"

namespace tovra {

class TFormlogo : public FadeWindow {
    Q_OBJECT

public:
    static constexpr QSize kSize{402, 252};

    /// Owned by the application: no owner window; centred on the screen.
    TFormlogo();
};

} // namespace tovra
