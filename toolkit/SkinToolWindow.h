#pragma once

// The base of the program's borderless windows that live as long as the
// program and are only shown and hidden (the picture preview and the
// wallpaper list, docked under the main window): a frameless tool window
// without a taskbar entry, of a fixed size, with the program's face colour,
// a dark blue edge and the Song face. Every handler body runs inside guard().

#include "toolkit/ErrorGuard.h"
#include "toolkit/core/ErrorRoute.h"

#include <utility>

#include <QSize>
#include <QWidget>

namespace tovra::toolkit {

class SkinToolWindow : public QWidget {
    Q_OBJECT

public:
    SkinToolWindow(ErrorRoute& errors, const QString& caption, QSize clientSize);

protected:
    /// Runs a handler's body inside the error guard.
    template <typename Body>
    void guard(Body&& body) {
        guarded(errors_, std::forward<Body>(body));
    }

    void paintEvent(QPaintEvent* event) override;

private:
    ErrorRoute& errors_;
};

} // namespace tovra::toolkit
