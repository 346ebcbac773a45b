#include "toolkit/ColorComboBox.h"

#include <algorithm>

#include <QPixmap>

namespace tovra::toolkit {

QColor fromColorRef(std::uint32_t bgr) {
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
            static_cast<int>((bgr >> 16) & 0xFF)};
}

namespace {

std::uint32_t shownColor(platform::Screen& screen, std::uint32_t value) {
    const bool system = (value & 0xFF000000u) == kSystemColor;
    return system ? screen.getSysColor(static_cast<int>(value & 0xFFu)) : value;
}

} // namespace

ColorComboBox::ColorComboBox(platform::Screen& screen, QWidget* parent, int entries)
    : QComboBox(parent)
    , screen_(screen) {
    const auto count =
        static_cast<std::size_t>(std::clamp(entries, 0, static_cast<int>(kPickerColors.size())));
    for (std::size_t i = 0; i < count; ++i) {
        const auto& entry = kPickerColors[i];
        QPixmap swatch(14, 10);
        swatch.fill(fromColorRef(shownColor(screen, entry.value)));
        addItem(QIcon(swatch),
                QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
    }
}

std::uint32_t ColorComboBox::currentColor() const {
    const int index = currentIndex();
    if (index < 0) {
        return 0;
    }
    return shownColor(screen_, pickerColor(index));
}

} // namespace tovra::toolkit
