#include "desktop/ColorComboBox.h"

#include "desktop/core/ColorTable.h"

#include <QPixmap>

namespace tovra::desktop {

namespace {

QColor fromColorRef(std::uint32_t bgr) {
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
            static_cast<int>((bgr >> 16) & 0xFF)};
}

} // namespace

ColorComboBox::ColorComboBox(platform::Screen& screen, QWidget* parent)
    : QComboBox(parent) {
    for (const auto& entry : kPickerColors) {
        const bool system = (entry.value & 0xFF000000u) == kSystemColor;
        const std::uint32_t shown =
            system ? screen.getSysColor(static_cast<int>(entry.value & 0xFFu)) : entry.value;
        QPixmap swatch(14, 10);
        swatch.fill(fromColorRef(shown));
        addItem(QIcon(swatch),
                QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
    }
}

} // namespace tovra::desktop
