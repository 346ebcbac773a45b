#pragma once

#include <filesystem>
#include <string>

namespace tovra::test {

/// A fresh private folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    /// path() / name as text.
    [[nodiscard]] std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

/// A folder in which nothing can be created, whoever runs the test (root, or
/// an administrator, included).
[[nodiscard]] std::filesystem::path unwritableFolder(const TempDir& scratch);

/// Takes away the right to change a file: its read-only attribute on Windows,
/// its write permission elsewhere.
void makeReadOnly(const std::filesystem::path& file);

/// Writes bytes to a file, replacing it.
void writeBytes(const std::filesystem::path& file, const std::string& bytes);
/// Reads a file's bytes; empty when it is missing.
[[nodiscard]] std::string readBytes(const std::filesystem::path& file);

} // namespace tovra::test
