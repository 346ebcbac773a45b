#pragma once

// A check list: items with a check box each, in one or more columns that fill
// top to bottom. Row i is the i-th item given.

#include <QListWidget>
#include <QStringList>

namespace tovra::toolkit {

class SkinCheckListBox : public QListWidget {
    Q_OBJECT

public:
    explicit SkinCheckListBox(QWidget* parent = nullptr);

    /// Replaces the items, all unchecked.
    void setItems(const QStringList& items, int columns = 1);
    [[nodiscard]] bool checked(int row) const;
    void setChecked(int row, bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layColumns();

    int columns_ = 1;
};

} // namespace tovra::toolkit
