#include "toolkit/SkinPageControl.h"

#include "toolkit/SkinColours.h"
#include "toolkit/core/StripLayout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>

namespace tovra::toolkit {

namespace {

const QColor kTabFace{0xDD, 0xE3, 0xF0};
const QColor kTabText{0x00, 0x00, 0x40};
constexpr int kTabPadding = 6;
constexpr int kTabTextPadding = 3;

} // namespace

SkinTabStrip::SkinTabStrip(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void SkinTabStrip::addTab(const QString& caption) {
    captions_ << caption;
    if (current_ < 0) {
        current_ = 0;
    }
    updateGeometry();
    update();
}

int SkinTabStrip::tabHeight() const {
    return fontMetrics().height() + 2 * kTabTextPadding + 2;
}

std::vector<QRect> SkinTabStrip::layTabs(int width) const {
    std::vector<int> widths;
    for (const QString& caption : captions_) {
        widths.push_back(fontMetrics().horizontalAdvance(caption) + 2 * kTabPadding + 2);
    }
    std::vector<QRect> rects;
    for (const TabPlace& place : layTabRows(widths, width)) {
        rects.emplace_back(place.x, place.row * tabHeight(), place.width, tabHeight());
    }
    return rects;
}

QRect SkinTabStrip::tabRect(int index) const {
    const std::vector<QRect> rects = layTabs(width());
    return index >= 0 && index < count() ? rects[static_cast<std::size_t>(index)] : QRect();
}

int SkinTabStrip::heightForWidth(int width) const {
    const std::vector<QRect> rects = layTabs(width);
    return rects.empty() ? tabHeight() : rects.back().bottom() + 1;
}

void SkinTabStrip::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_) {
        return;
    }
    current_ = index;
    update();
    Q_EMIT currentChanged(index);
}

void SkinTabStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const std::vector<QRect> rects = layTabs(width());
    for (int i = 0; i < count(); ++i) {
        const QRect& tab = rects[static_cast<std::size_t>(i)];
        const bool selected = i == current_;
        painter.fillRect(tab, selected ? colours::kOrange : kTabFace);
        painter.setPen(colours::kDarkBlue);
        painter.drawRect(tab.adjusted(0, 0, -1, -1));
        painter.setPen(selected ? colours::kCaption : kTabText);
        painter.drawText(tab, Qt::AlignCenter, captions_[i]);
        if (selected && hasFocus()) {
            painter.setPen(QPen(colours::kCaption, 1, Qt::DotLine));
            painter.drawRect(tab.adjusted(2, 2, -3, -3));
        }
    }
}

void SkinTabStrip::mousePressEvent(QMouseEvent* event) {
    const std::vector<QRect> rects = layTabs(width());
    for (int i = 0; i < count(); ++i) {
        if (rects[static_cast<std::size_t>(i)].contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void SkinTabStrip::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        const int step = event->key() == Qt::Key_Left ? -1 : 1;
        setCurrentIndex((current_ + step + count()) % std::max(count(), 1));
        return;
    }
    QWidget::keyPressEvent(event);
}

SkinPageControl::SkinPageControl(QWidget* parent)
    : QWidget(parent)
    , strip_(new SkinTabStrip(this))
    , pages_(new QStackedWidget(this)) {
    connect(strip_, &SkinTabStrip::currentChanged, this, [this](int index) {
        pages_->setCurrentIndex(index);
        Q_EMIT currentChanged(index);
    });
}

QWidget* SkinPageControl::addSheet(const QString& caption) {
    auto* sheet = new QWidget(pages_);
    pages_->addWidget(sheet);
    strip_->addTab(caption);
    layOut();
    return sheet;
}

int SkinPageControl::count() const {
    return pages_->count();
}

QWidget* SkinPageControl::widget(int index) const {
    return pages_->widget(index);
}

int SkinPageControl::currentIndex() const {
    return strip_->currentIndex();
}

QWidget* SkinPageControl::currentWidget() const {
    return pages_->currentWidget();
}

void SkinPageControl::setCurrentIndex(int index) {
    strip_->setCurrentIndex(index);
}

void SkinPageControl::setCurrentWidget(QWidget* page) {
    setCurrentIndex(pages_->indexOf(page));
}

void SkinPageControl::resizeEvent(QResizeEvent* /*event*/) {
    layOut();
}

void SkinPageControl::layOut() {
    const int stripHeight = strip_->heightForWidth(width());
    strip_->setGeometry(0, 0, width(), stripHeight);
    // The pages sit inside the pane's one-pixel border.
    pages_->setGeometry(1, stripHeight, width() - 2, height() - stripHeight - 1);
}

void SkinPageControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect pane(0, strip_->height() - 1, width(), height() - strip_->height() + 1);
    painter.fillRect(pane, colours::kDialogFace);
    painter.setPen(colours::kDarkBlue);
    painter.drawRect(pane.adjusted(0, 0, -1, -1));
}

} // namespace tovra::toolkit
