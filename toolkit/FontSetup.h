#pragma once

// The interface asks for the Song face "宋体" (also known as "SimSun"). Outside
// Windows it is missing; Debian's AR PL SungtiL GB is a close Song face.

#include <QFont>
#include <QString>

namespace tovra::toolkit {

inline constexpr char kSongFamily[] = "宋体";
inline constexpr char kSongFamilyLatin[] = "SimSun";
inline constexpr char kSongSubstitute[] = "AR PL SungtiL GB";

/// Maps "宋体" and "SimSun" to the substitute face, for every font made after it.
void setUpFonts();

/// The Song face at a pixel size, bold or not.
[[nodiscard]] QFont songFont(int pixelSize, bool bold);

} // namespace tovra::toolkit
