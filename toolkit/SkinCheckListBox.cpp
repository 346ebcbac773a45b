#include "toolkit/SkinCheckListBox.h"

#include <QResizeEvent>

namespace tovra::toolkit {

SkinCheckListBox::SkinCheckListBox(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A click anywhere on a row toggles it, as the form's check list does.
    connect(this, &QListWidget::itemClicked, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
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
    if (columns_ == 1) {
        setFlow(QListView::TopToBottom);
        setWrapping(false);
        setGridSize({});
        return;
    }
    const int rows = (count() + columns_ - 1) / columns_;
    const int rowHeight = fontMetrics().height() + 6;
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    // A whole column fits the height (with room to spare, or the last row wraps).
    const int fitting = (viewport()->height() - 8) / std::max(rows, 1);
    setGridSize({viewport()->width() / columns_ - 1, std::max(rowHeight, fitting)});
}

} // namespace tovra::toolkit
