#pragma once

// A radio group: a framed box with a caption and radio items in columns. Its
// index follows the toolkit's rules (toolkit/core/ItemIndex.h): below -1
// selects nothing, beyond the last item selects the last. clicked() reports
// every change of the selected item, whether the user clicked an item or the
// program set the index, as the form's click handler expects; setting the
// index it already has reports nothing.

#include <vector>

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace tovra::toolkit {

class SkinRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit SkinRadioGroup(const QString& caption, QWidget* parent = nullptr);

    /// Replaces the items; nothing is selected afterwards.
    void setItems(const QStringList& items, int columns = 1);
    [[nodiscard]] int count() const { return static_cast<int>(buttons_.size()); }
    [[nodiscard]] QRadioButton* item(int index) const;

    [[nodiscard]] int itemIndex() const { return index_; }
    void setItemIndex(int index);

Q_SIGNALS:
    void clicked();

private:
    void select(int index);

    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> buttons_;
    int index_ = -1;
};

} // namespace tovra::toolkit
