#pragma once

// A flat button with a text caption: orange face, dark blue border, white
// bold caption, greyed out while disabled. The main window's title buttons and the feature windows'
// "保存" and "返回" are flat buttons. On Windows it is a windowless control, so a press on it
// also reaches the window under it (register it with the window magnet).
// It reports the raw mouse events too, for handlers that track a drag on it.

#include "toolkit/SkinColours.h"

#include <QAbstractButton>
#include <QColor>

namespace tovra::toolkit {

class FlatSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatSpeedButton(const QString& caption, QWidget* parent = nullptr);

    static inline const QColor kFace = colours::kOrange;
    static inline const QColor kBorder = colours::kDarkBlue;
    static inline const QColor kCaption = colours::kCaption;
    static inline const QColor kDisabledFace{0xD8, 0xD8, 0xD8};
    static inline const QColor kDisabledText{0x90, 0x90, 0x90};

    [[nodiscard]] QSize sizeHint() const override;

Q_SIGNALS:
    void mouseEntered();
    /// Any button went down; pos in the button's coordinates.
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool hovered_ = false;
};

} // namespace tovra::toolkit
