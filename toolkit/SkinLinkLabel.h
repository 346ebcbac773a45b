#pragma once

// A link label: underlined text with a hand cursor that turns blue under the
// mouse and reports a click of the left button released over it.

#include <QColor>
#include <QLabel>

namespace tovra::toolkit {

class SkinLinkLabel : public QLabel {
    Q_OBJECT

public:
    static inline const QColor kHoverColour{0x00, 0x00, 0xFF};

    explicit SkinLinkLabel(const QString& caption, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showHover(bool hovered);

    QPalette normal_;
    bool pressed_ = false;
};

} // namespace tovra::toolkit
