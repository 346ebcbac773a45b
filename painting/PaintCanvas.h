#pragma once

// The painting window's canvas (its Image1): it shows the picture kept off
// screen, so that whatever passes over it (an open dialog) is repainted from
// what was drawn, and hands every mouse press, move and release on to the
// window's handlers, with its own coordinates.

#include <QImage>
#include <QWidget>

namespace tovra::painting {

class PaintCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PaintCanvas(QWidget* parent = nullptr);

    /// Starts over from picture, drawn at the canvas's size (white where there is none).
    void startFrom(const QImage& picture);
    [[nodiscard]] QImage& image() { return image_; }
    [[nodiscard]] const QImage& image() const { return image_; }

Q_SIGNALS:
    void mousePressed(QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace tovra::painting
