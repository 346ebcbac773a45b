#pragma once

// The window of the project's screen saver: coloured bubbles drifting over a
// night-blue ground, or a black ground for an xscreensaver program to draw
// on. Full screen it ends at the first key, click or mouse movement; as a
// preview it ends when the window it was put in goes away.

#include <vector>

#include <QElapsedTimer>
#include <QRasterWindow>
#include <QTimer>

namespace tovra::saver {

class SaverScene : public QRasterWindow {
    Q_OBJECT

public:
    enum class Role { FullScreen, Preview };
    /// ownDrawing false leaves the window black for another program to draw on.
    SaverScene(Role role, bool ownDrawing);

protected:
    void paintEvent(QPaintEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Bubble {
        QPointF centre;
        QPointF velocity;
        qreal radius;
        QColor color;
    };
    void step();
    void placeBubbles();
    void endOnInput();

    Role role_;
    bool ownDrawing_;
    std::vector<Bubble> bubbles_;
    QTimer frames_;
    /// A preview that is never shown, or stops being shown, ends.
    QTimer unseen_;
    bool everExposed_ = false;
    QPointF firstMouse_{-1, -1};
};

} // namespace tovra::saver
