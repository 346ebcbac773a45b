#pragma once

// The wallpaper list as the settings file keeps it: the section
// SectionPrefix + " PicNameList", one line per picture, its full path as the
// key and an empty value, in list order. The list window and the library
// window change it only through this class.
//
// The section compares keys without regard to case, so a path stands in it
// once: adding a path already listed (in any case) adds nothing. A path that
// a line cannot hold faithfully is not added: an empty one, one with '=' (it
// would end the key), a line break, blanks at either end (the reader trims
// them), or a leading ';' or '[' (a comment or a section header).

#include "settings/IniFile.h"

#include <span>
#include <string>
#include <vector>

namespace tovra::wallpaper {

/// Whether a path can stand as a line of the list.
[[nodiscard]] bool isListablePath(const std::string& path);

class PicNameList {
public:
    explicit PicNameList(settings::IniFile& settings);

    /// LoadPicNameList: every listed path, in file order.
    [[nodiscard]] std::vector<std::string> load() const;

    /// Adds path at the end of the list. False, with nothing written, when
    /// it is not listable or already listed. Throws IniFileError when the file
    /// refuses the write.
    bool add(const std::string& path);

    /// Adds the listable paths not yet listed, in order (a path given twice
    /// once), with one write of the section; the file ends as after adding
    /// each with add. Returns the paths added. Throws IniFileError.
    std::vector<std::string> addAll(std::span<const std::string> paths);

    /// Removes path's line (matched as the section matches keys); never any
    /// other line. A missing path, or a refused write, changes nothing.
    void remove(const std::string& path);

    /// Removes the section with every path. Throws IniFileError.
    void clear();

private:
    settings::IniFile& settings_;
    std::string section_;
};

} // namespace tovra::wallpaper
