#pragma once

// A popup menu drawn in a flat style: white face, a thin dark blue frame, an
// orange bar under the highlighted item, a hairline separator.

#include <QMenu>

namespace tovra::toolkit {

class FlatPopupMenu : public QMenu {
    Q_OBJECT

public:
    explicit FlatPopupMenu(QWidget* parent = nullptr);
};

} // namespace tovra::toolkit
