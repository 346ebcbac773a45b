#pragma once

// The home-page button: asks, and on OK hands the page to the default browser.

#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace tovra::mainwindow {

/// True when the user answered OK and the page was handed on; the browser's
/// result is not examined.
bool visitHomePage(platform::MessageBoxes& messageBoxes, platform::Shell& shell,
                   platform::Hwnd owner);

} // namespace tovra::mainwindow
