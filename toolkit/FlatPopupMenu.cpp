#include "toolkit/FlatPopupMenu.h"

namespace tovra::toolkit {

FlatPopupMenu::FlatPopupMenu(QWidget* parent)
    : QMenu(parent) {
    setStyleSheet(QStringLiteral(
        "QMenu { background: #FFFFFF; border: 1px solid #000073; padding: 2px; }"
        "QMenu::item { color: #000040; padding: 4px 24px 4px 26px; background: transparent; }"
        "QMenu::item:selected { background: #FF8000; color: #FFFFFF; }"
        "QMenu::item:disabled { color: #9A9AA8; }"
        "QMenu::separator { height: 1px; background: #7F8FBF; margin: 3px 6px; }"));
}

} // namespace tovra::toolkit
