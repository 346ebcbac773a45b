#pragma once

// The selected row of a single-selection list box, which is not always its
// current row (a current row can stand without being selected).

#include <QListWidget>

namespace tovra::toolkit {

/// The row of the list's selected entry; -1 with none.
[[nodiscard]] inline int selectedRow(const QListWidget& list) {
    const auto selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.front());
}

} // namespace tovra::toolkit
