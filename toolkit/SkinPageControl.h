#pragma once

// A page control: tabs across the top, one page (a plain QWidget, the form's
// tab sheet) under each, drawn in the program's colours. Tab captions are
// shown as given, blanks included, and always whole: tabs that do not fit in
// one row wrap into further rows (toolkit/core/StripLayout), as multi-row tabs
// do, rather than scroll out of sight.

#include <vector>

#include <QStringList>
#include <QWidget>

class QStackedWidget;

namespace tovra::toolkit {

/// The row or rows of tabs of a SkinPageControl.
class SkinTabStrip : public QWidget {
    Q_OBJECT

public:
    explicit SkinTabStrip(QWidget* parent = nullptr);

    void addTab(const QString& caption);
    [[nodiscard]] int count() const { return static_cast<int>(captions_.size()); }
    [[nodiscard]] QString tabText(int index) const { return captions_.value(index); }
    /// The tab's rectangle in the strip, as laid for the strip's width.
    [[nodiscard]] QRect tabRect(int index) const;
    /// The height the tabs need at that width.
    [[nodiscard]] int heightForWidth(int width) const override;
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }

    [[nodiscard]] int currentIndex() const { return current_; }
    void setCurrentIndex(int index);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] int tabHeight() const;
    [[nodiscard]] std::vector<QRect> layTabs(int width) const;

    QStringList captions_;
    int current_ = -1;
};

class SkinPageControl : public QWidget {
    Q_OBJECT

public:
    explicit SkinPageControl(QWidget* parent = nullptr);

    /// Adds a page with that tab caption and returns it, owned by the control.
    QWidget* addSheet(const QString& caption);

    [[nodiscard]] int count() const;
    [[nodiscard]] QString tabText(int index) const { return strip_->tabText(index); }
    [[nodiscard]] QWidget* widget(int index) const;
    [[nodiscard]] int currentIndex() const;
    [[nodiscard]] QWidget* currentWidget() const;
    void setCurrentIndex(int index);
    void setCurrentWidget(QWidget* page);
    [[nodiscard]] SkinTabStrip* tabStrip() const { return strip_; }

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut();

    SkinTabStrip* strip_;
    QStackedWidget* pages_;
};

} // namespace tovra::toolkit
