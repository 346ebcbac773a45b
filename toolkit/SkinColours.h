#pragma once

// The program's colours, shared by the skinned and flat controls.

#include <QColor>

namespace tovra::toolkit::colours {

/// Flat buttons and title strips: orange faces, a dark blue edge, white text.
inline const QColor kOrange{0xFF, 0x80, 0x00};
inline const QColor kDarkBlue{0x00, 0x00, 0x73};
inline const QColor kCaption{Qt::white};
/// The face of the feature windows and of their pages.
inline const QColor kDialogFace{0xF4, 0xF6, 0xFB};
/// Text on the dialog face.
inline const QColor kDialogText{0x00, 0x00, 0x40};

} // namespace tovra::toolkit::colours
