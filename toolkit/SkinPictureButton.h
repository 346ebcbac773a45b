#pragma once

// A skinned picture button: it paints its own picture, a lighter face while
// the mouse is over it and a pressed face while it is held down, and shows the
// hand cursor. On Windows it has a window of its own, so a press on it is its
// own and never drags the window under it.

#include <QAbstractButton>
#include <QPixmap>

namespace tovra::toolkit {

class SkinPictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit SkinPictureButton(QWidget* parent = nullptr);

    /// The picture, drawn scaled to the button's size.
    void setPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& picture() const { return picture_; }
    [[nodiscard]] bool isHovered() const { return hovered_; }

    [[nodiscard]] QSize sizeHint() const override;

Q_SIGNALS:
    /// The mouse has entered the button.
    void mouseEntered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap picture_;
    QPixmap hoverPicture_;
    QPixmap downPicture_;
    bool hovered_ = false;
};

} // namespace tovra::toolkit
