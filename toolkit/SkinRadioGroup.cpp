#include "toolkit/SkinRadioGroup.h"

#include "toolkit/core/ItemIndex.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace tovra::toolkit {

SkinRadioGroup::SkinRadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent)
    , group_(new QButtonGroup(this)) {
    // Narrow margins, so that three rows of items keep their full height in
    // the small groups of the settings windows.
    auto* grid = new QGridLayout;
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    setLayout(grid);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) { setItemIndex(id); });
}

void SkinRadioGroup::setItems(const QStringList& items, int columns) {
    for (QRadioButton* button : buttons_) {
        delete button;
    }
    buttons_.clear();
    index_ = -1;
    auto* grid = static_cast<QGridLayout*>(layout());
    const int perColumn = (static_cast<int>(items.size()) + columns - 1) / std::max(columns, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        grid->addWidget(button, i % std::max(perColumn, 1), i / std::max(perColumn, 1));
        buttons_.push_back(button);
    }
}

QRadioButton* SkinRadioGroup::item(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void SkinRadioGroup::setItemIndex(int index) {
    const int chosen = radioItemIndex(index, count());
    if (chosen == index_) {
        return;
    }
    select(chosen);
    Q_EMIT clicked();
}

void SkinRadioGroup::select(int index) {
    index_ = index;
    if (index < 0) {
        // An exclusive group keeps one item checked: let go of it for a moment.
        group_->setExclusive(false);
        for (QRadioButton* button : buttons_) {
            button->setChecked(false);
        }
        group_->setExclusive(true);
        return;
    }
    item(index)->setChecked(true);
}

} // namespace tovra::toolkit
