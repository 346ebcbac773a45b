#pragma once

// ElapsedSeconds in the settings file: read at start, written at exit, in the
// section named by the main window's caption followed by " SecondNum".

#include "settings/IniFile.h"

#include <cstdint>
#include <string_view>

namespace tovra::mainwindow {

/// The stored count; the default when the file, section or key is missing or
/// the value is not a number.
[[nodiscard]] std::int32_t loadElapsedSeconds(const settings::IniFile& ini,
                                              std::string_view sectionPrefix);

/// Writes the count as decimal text. Throws settings::IniFileError when the
/// file cannot be written.
void saveElapsedSeconds(settings::IniFile& ini, std::string_view sectionPrefix,
                        std::int32_t seconds);

} // namespace tovra::mainwindow
