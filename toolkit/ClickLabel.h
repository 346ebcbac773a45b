#pragma once

// A label that answers a click: the About window's link label and its "关 闭".
// It shows the hand cursor; a click is a left press and release inside it.

#include <QLabel>

namespace tovra::toolkit {

class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tovra::toolkit
