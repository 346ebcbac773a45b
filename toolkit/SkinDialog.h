#pragma once

// The base of the program's borderless feature windows (rotation settings,
// start menu, desktop icons, screen saver, protection, library).
//
// A SkinDialog is a QDialog without a system frame, of a fixed client size,
// with the title strip FlatTitlebar1 across its top (drag it to move the
// window), the program's face colour and the Song face for its Chinese
// captions. It is owned by the window that opens it (its Qt parent), is
// centred on that window the first time it is shown and runs modally.
//
// Controls are placed at the positions the window's form gives, below the
// strip (contentTop()). Every handler body runs inside guard(), so that a
// failure ends the handler and goes to the program-wide failure route instead
// of crossing Qt's signal and slot machinery.

#include "toolkit/ErrorGuard.h"
#include "toolkit/core/ErrorRoute.h"

#include <utility>

#include <QDialog>
#include <QSize>
#include <QString>

namespace tovra::toolkit {

class FlatTitlebar;

/// The face of the program's own windows: the Song face at 12 pixels, the
/// dialog face and text colours, the background filled.
void applyDialogFace(QWidget& window);

class SkinDialog : public QDialog {
    Q_OBJECT

public:
    /// owner: the window that opens this one (and owns it). clientSize: the
    /// whole window, title strip included.
    SkinDialog(QWidget* owner, ErrorRoute& errors, const QString& caption, QSize clientSize);
    ~SkinDialog() override;

    /// The title strip; nullptr after hideTitlebar().
    FlatTitlebar* FlatTitlebar1 = nullptr;

    /// The top of the area below the title strip.
    [[nodiscard]] int contentTop() const;

protected:
    /// Runs a handler's body inside the error guard.
    template <typename Body>
    void guard(Body&& body) {
        guarded(errors_, std::forward<Body>(body));
    }
    [[nodiscard]] ErrorRoute& errors() const { return errors_; }

    /// For a window whose form has no title strip.
    void hideTitlebar();

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void centreOnOwner();

    ErrorRoute& errors_;
    bool placed_ = false;
};

} // namespace tovra::toolkit
