#pragma once

// The title strip of a borderless window: an orange strip with the window's
// caption in white. Dragging it with the left mouse button moves the window
// it belongs to. The caption is drawn as given, trailing blanks included.

#include <optional>

#include <QPoint>
#include <QString>
#include <QWidget>

namespace tovra::toolkit {

class FlatTitlebar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 21;

    explicit FlatTitlebar(const QString& caption, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    [[nodiscard]] const QString& caption() const { return caption_; }

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    /// Where the press was, relative to the window's top left corner, while
    /// the strip moves the window itself.
    std::optional<QPoint> grab_;
};

} // namespace tovra::toolkit
