#pragma once

// Driving a modal window from a test. A modal window runs its own event loop
// inside the handler that opened it, so the test cannot act after the click
// that opens it: it says beforehand what to do with the window, and the
// driver does it from inside that loop.
//
//     tovra::test::ModalDriver driver;
//     driver.onNext<TFormSomething>([](TFormSomething& w) {
//         QTest::mouseClick(w.FlatButton1, Qt::LeftButton);
//     });
//     QTest::mouseClick(mainWindow.bsSkinXFormButton1, Qt::LeftButton);
//     QVERIFY(driver.ran());
//
// Message boxes a modal window asks go through the platform's message boxes:
// the harness's ScriptedMessageBoxes answers them from its script.

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace tovra::test {

class ModalDriver {
public:
    ModalDriver() { timer_.setInterval(kPollMs); }

    /// Runs act on the next modal window of type W once it is up. A window
    /// that act leaves open is closed (leftOpen() tells), so a test whose
    /// window does not close still ends. Nothing runs when no such window
    /// comes within timeoutMs.
    template <typename W>
    void onNext(std::function<void(W&)> act, int timeoutMs = kDefaultTimeoutMs) {
        ran_ = false;
        leftOpen_ = false;
        remaining_ = timeoutMs / kPollMs;
        QObject::disconnect(poll_);
        poll_ = QObject::connect(&timer_, &QTimer::timeout, [this, act = std::move(act)] {
            auto* window = dynamic_cast<W*>(QApplication::activeModalWidget());
            if (window == nullptr || !window->isVisible()) {
                if (--remaining_ <= 0) {
                    timer_.stop();
                }
                return;
            }
            timer_.stop();
            ran_ = true;
            act(*window);
            if (window->isVisible()) {
                leftOpen_ = true;
                window->close();
            }
        });
        timer_.start();
    }

    /// Whether act has run on a window of the type asked for.
    [[nodiscard]] bool ran() const { return ran_; }
    /// Whether the window was still open after act and had to be closed.
    [[nodiscard]] bool leftOpen() const { return leftOpen_; }

private:
    static constexpr int kPollMs = 10;
    static constexpr int kDefaultTimeoutMs = 5000;

    QTimer timer_;
    QMetaObject::Connection poll_;
    int remaining_ = 0;
    bool ran_ = false;
    bool leftOpen_ = false;
};

} // namespace tovra::test
