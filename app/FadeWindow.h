#pragma once

// The base of the splash and About windows: a borderless window covered by a
// picture (img1) that fades out by itself. Its timer tmr1 runs from the
// moment the window is created; each tick takes one step of the window's
// fade (app/core/Fade.h), and the window closes at the fade's end or on a
// click on the picture. Any close stops the timer.

#include "app/core/Fade.h"

#include <QDialog>

class QTimer;

namespace tovra {

namespace toolkit {
class PictureBox;
}

class FadeWindow : public QDialog {
    Q_OBJECT

public:
    toolkit::PictureBox* img1 = nullptr;
    QTimer* tmr1 = nullptr;

    /// One step of the fade.
    void tmr1Timer();
    void img1Click();

    [[nodiscard]] const shell::FadeState& fade() const { return fade_; }

protected:
    /// owner: the window it is centred over, or nullptr for the screen.
    /// picture: a JPEG resource.
    FadeWindow(QWidget* owner, const shell::FadeRule& rule, QSize size, const QString& picture);

    void showEvent(QShowEvent* event) override;
    /// Every close, whatever its cause, ends here.
    void done(int result) override;

    shell::FadeState fade_;

private:
    void centre();

    bool placed_ = false;
};

} // namespace tovra
