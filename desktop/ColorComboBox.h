#pragma once

// The colour picker of the desktop-icon window: the 50 entries of the colour
// list, each shown by its name beside a swatch (a system colour's swatch is
// that colour as the system has it now).

#include "platform/Screen.h"

#include <QComboBox>

namespace tovra::desktop {

class ColorComboBox : public QComboBox {
    Q_OBJECT

public:
    ColorComboBox(platform::Screen& screen, QWidget* parent = nullptr);
};

} // namespace tovra::desktop
