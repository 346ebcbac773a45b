#include "toolkit/SkinCheckListBox.h"

#include "toolkit/core/StripLayout.h"

#include <algorithm>
#include <vector>

#include <QMouseEvent>
#include <QResizeEvent>
#include <QStyledItemDelegate>

namespace tovra::toolkit {

/// Gives every item the width of its column and the height of a row.
class ColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] QSize naturalSize(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
        return QStyledItemDelegate::sizeHint(option, index);
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        const QSize natural = naturalSize(option, index);
        if (widths.empty()) {
            return natural;
        }
        const auto column = static_cast<std::size_t>(index.row() / std::max(rowsPerColumn, 1));
        return {widths[std::min(column, widths.size() - 1)], std::max(natural.height(), rowHeight)};
    }

    std::vector<int> widths; // none: each item its natural size
    int rowsPerColumn = 1;
    int rowHeight = 0;
};

SkinCheckListBox::SkinCheckListBox(QWidget* parent)
    : QListWidget(parent)
    , delegate_(new ColumnDelegate(this)) {
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { rowClicked(item); });
}

void SkinCheckListBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = itemAt(event->position().toPoint());
    pressedState_ = pressed_ != nullptr ? pressed_->checkState() : Qt::Unchecked;
    QListWidget::mousePressEvent(event);
}

void SkinCheckListBox::rowClicked(QListWidgetItem* item) {
    setCurrentItem(item);
    // A click on the box has toggled the row already; one on the caption has not.
    if (item == pressed_ && item->checkState() == pressedState_) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    pressed_ = nullptr;
}

void SkinCheckListBox::setItems(const QStringList& items, int columns) {
    clear();
    columns_ = std::max(columns, 1);
    for (const auto& text : items) {
        auto* item = new QListWidgetItem(text, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    layColumns();
}

bool SkinCheckListBox::checked(int row) const {
    const auto* entry = item(row);
    return entry != nullptr && entry->checkState() == Qt::Checked;
}

void SkinCheckListBox::setChecked(int row, bool checked) {
    if (auto* entry = item(row)) {
        entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void SkinCheckListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    layColumns();
}

void SkinCheckListBox::layColumns() {
    setFlow(QListView::TopToBottom);
    if (columns_ == 1) {
        delegate_->widths.clear();
        setWrapping(false);
        scheduleDelayedItemsLayout();
        return;
    }
    const int rows = (count() + columns_ - 1) / columns_;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    std::vector<int> widest(static_cast<std::size_t>(columns_), 0);
    for (int row = 0; row < count(); ++row) {
        const int width = delegate_->naturalSize(option, indexFromItem(item(row))).width();
        auto& column = widest[static_cast<std::size_t>(row / std::max(rows, 1))];
        column = std::max(column, width);
    }
    // A whole column fits the height (with room to spare, or the last row wraps).
    delegate_->rowsPerColumn = rows;
    delegate_->rowHeight =
        std::max(fontMetrics().height() + 6, (viewport()->height() - 8) / std::max(rows, 1));
    delegate_->widths = columnWidths(widest, viewport()->width() - 1);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    scheduleDelayedItemsLayout();
}

} // namespace tovra::toolkit
