#pragma once

// A colour picker: the first entries of the colour list (toolkit/core/
// ColorTable.h), each shown by its name beside a swatch (a system colour's
// swatch is that colour as the system has it now). The desktop-icon window
// offers all 50; the painting window the 16 standard colours.

#include "platform/Screen.h"
#include "toolkit/core/ColorTable.h"

#include <cstdint>

#include <QColor>
#include <QComboBox>

namespace tovra::toolkit {

/// A Windows colour value (0x00BBGGRR) as Qt's colour.
[[nodiscard]] QColor fromColorRef(std::uint32_t bgr);

class ColorComboBox : public QComboBox {
    Q_OBJECT

public:
    /// entries: how many of the list's entries, from the first.
    ColorComboBox(platform::Screen& screen, QWidget* parent = nullptr,
                  int entries = static_cast<int>(kPickerColors.size()));

    /// The chosen entry's colour as 0x00BBGGRR, a system colour resolved to
    /// what the system has now; black while none is chosen.
    [[nodiscard]] std::uint32_t currentColor() const;

private:
    platform::Screen& screen_;
};

} // namespace tovra::toolkit
