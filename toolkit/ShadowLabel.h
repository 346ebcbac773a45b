#pragma once

// A transparent label whose text carries a drop shadow. It sizes itself to its
// text, as an auto-sized label does.

#include <QColor>
#include <QString>
#include <QWidget>

namespace tovra::toolkit {

class ShadowLabel : public QWidget {
    Q_OBJECT

public:
    explicit ShadowLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    [[nodiscard]] const QString& text() const { return text_; }

    void setTextColor(const QColor& colour);
    void setShadow(const QColor& colour, int offset);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor textColour_{Qt::black};
    QColor shadowColour_{Qt::gray};
    int shadowOffset_ = 2;
};

} // namespace tovra::toolkit
