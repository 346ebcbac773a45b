#pragma once

// Lists kept as the keys of one settings-file section (the wallpaper list, the
// library's categories): each entry a key with an empty value, compared
// without regard to letter case, as the profile calls compare keys.

#include "settings/IniFile.h"

#include <span>
#include <string>
#include <vector>

namespace tovra::settings {

/// Appends to section, in the order given and each with an empty value, the
/// keys it does not hold yet (a key given twice once), with one write of the
/// section; the lines already there keep their values, and a missing section
/// is added at the end of the file. Nothing is written when every key is
/// held. Returns the keys added. Throws IniFileError.
std::vector<std::string> appendMissingKeys(IniFile& ini, const std::string& section,
                                           std::span<const std::string> keys);

} // namespace tovra::settings
