#pragma once

// A picture that fills its rectangle. It reports every mouse move over it,
// button held or not, and a click (a left press and release inside it). On Windows it is
// windowless: presses on it belong to the window under it (register it with the window magnet to
// drag by it).

#include <QPixmap>
#include <QWidget>

namespace tovra::toolkit {

class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& picture() const { return picture_; }

Q_SIGNALS:
    void mouseMoved(QPoint pos);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace tovra::toolkit
