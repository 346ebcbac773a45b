#pragma once

// The wallpaper library kept in the settings file: one section per category,
// one key per picture (its full path, empty value). Sections stay in file
// order and keys in the order they were added; nothing is sorted or cached,
// every call goes to the file. The library records where pictures are and
// never touches a picture file.
//
// Writes that the file refuses throw settings::IniFileError. Pictures go into
// a section with one write of the whole section: all of them or none. That
// write keeps the section's comments and blank lines but, as the system's
// section write does, not a hand-written line without "=" in that section.

#include "settings/IniFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::library {

class LibraryStore {
public:
    /// sectionPrefix is the main window's caption, which marks the program's own sections.
    LibraryStore(settings::IniFile& ini, std::string_view sectionPrefix);

    /// Writes key with an empty value into section: a missing section is
    /// appended to the file, a missing key to the section; a key already
    /// there (in any letter case) is left as it is.
    void WriteEmptyKey(const std::string& section, const std::string& key);

    /// The categories in file order.
    [[nodiscard]] std::vector<std::string> categories() const;
    /// The categories; on first use (a file with no section at all) the
    /// recommended ones are created first. Tried once: an unwritable file
    /// throws, and a file still without sections gives an empty list.
    [[nodiscard]] std::vector<std::string> loadCategories();
    /// The pictures of a category in key order; none for a missing category.
    [[nodiscard]] std::vector<std::string> pictures(const std::string& category) const;

    /// Creates a bare section header at the end of the file. A name that is
    /// already a section keeps its section and pictures. False, with nothing
    /// written, for a name that cannot be a category (isCategoryName).
    bool createCategory(const std::string& name);
    /// Moves the pictures, in order, to the section newName (joining it when
    /// it exists; a new section goes to the end of the file) and erases the
    /// old section. Renaming onto the same section moves it to the end. False,
    /// with nothing changed, for a new name that cannot be a category, and for
    /// an old name that is no category (a section of the program's own).
    bool renameCategory(const std::string& oldName, const std::string& newName);
    /// Erases the category's section with all its pictures. False, with
    /// nothing changed, for a name that is no category.
    bool deleteCategory(const std::string& name);
    /// Creates each recommended category that is missing, in their order.
    void createRecommendedCategories();

    /// Appends the paths that the category does not hold yet, in the order
    /// given, as one write. Paths that a line cannot hold (the wallpaper
    /// list's rule) and repeats (letter case ignored) are skipped.
    /// Returns how many were added.
    std::size_t addPictures(const std::string& category, const std::vector<std::string>& paths);
    /// Removes one picture; the section stays, even when it was the last.
    void removePicture(const std::string& category, const std::string& path);

private:
    [[nodiscard]] bool holdsSection(std::string_view name) const;

    settings::IniFile& ini_;
    std::string sectionPrefix_;
};

} // namespace tovra::library
