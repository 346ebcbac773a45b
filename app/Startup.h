#pragma once

// The main window's part of start-up, shared by the program's main routine and
// its tests.

namespace tovra {

class ErrorRoute;
class TFormTovraDesktop;

/// Runs FormCreate, sending an error that ends it the program-wide route (the
/// program goes on). Then, when no tray icon could be added (a desktop without
/// a notification area), shows the main window: it is the only way in.
/// False when the password prompt ended the program: nothing is shown, and
/// the program ends without the exit steps.
[[nodiscard]] bool startMainWindow(TFormTovraDesktop& window, ErrorRoute& errors);

} // namespace tovra
