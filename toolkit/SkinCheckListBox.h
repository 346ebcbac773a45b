#pragma once

// A check list: items with a check box each, in one or more columns that fill
// top to bottom. Row i is the i-th item given. A click on a row toggles it,
// on its box or on its caption alike. Each column is as wide as its longest
// caption needs, the spare width shared out (toolkit/core/StripLayout), so a
// long caption beside short ones shows whole.

#include <QListWidget>
#include <QStringList>

namespace tovra::toolkit {

class ColumnDelegate;

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
    void mousePressEvent(QMouseEvent* event) override;

private:
    void layColumns();
    void rowClicked(QListWidgetItem* item);

    ColumnDelegate* delegate_;
    int columns_ = 1;
    // The row under the last press and its state then: the view toggles a
    // row itself when the click lands on its box, and only then.
    QListWidgetItem* pressed_ = nullptr;
    Qt::CheckState pressedState_ = Qt::Unchecked;
};

} // namespace tovra::toolkit
