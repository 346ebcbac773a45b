#include "app/Unit_logo.h"

namespace tovra {

TFormlogo::TFormlogo()
    : FadeWindow(nullptr, shell::kSplashFade, kSize, QStringLiteral(":/art/splash.jpg")) {
    setWindowTitle(QStringLiteral("TovraDesktop"));
}

} // namespace tovra
