#include "toolkit/SkinPageControl.h"

namespace tovra::toolkit {

SkinPageControl::SkinPageControl(QWidget* parent)
    : QTabWidget(parent) {
    setDocumentMode(false);
    // Tabs that do not fit scroll into view rather than being cut off.
    setUsesScrollButtons(true);
    setStyleSheet(QStringLiteral(
        "QTabWidget::pane { border: 1px solid #000073; background: #F4F6FB; top: -1px; }"
        "QTabBar::tab { background: #DDE3F0; color: #000040; border: 1px solid #000073;"
        "  padding: 3px 6px; margin-right: 1px; }"
        "QTabBar::tab:selected { background: #FF8000; color: #FFFFFF; }"));
}

QWidget* SkinPageControl::addSheet(const QString& caption) {
    auto* sheet = new QWidget(this);
    addTab(sheet, caption);
    return sheet;
}

} // namespace tovra::toolkit
