#pragma once

// Picture files by their UTF-8 names, on every system: the name becomes a
// std::filesystem::path through char8_t, which Windows' file calls take as
// UTF-16, so a Chinese name reaches the right file there too.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tovra::picture {

/// The largest picture file read: far above any picture the size guard
/// lets through once decoded, far below what would strain memory.
inline constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{1} << 30;

/// The path that a UTF-8 file name stands for.
[[nodiscard]] std::filesystem::path pathFromUtf8(std::string_view utf8);

/// Whether a file (not a folder) of that name exists.
[[nodiscard]] bool pictureFileExists(const std::string& utf8Name);

/// The whole file. Throws PictureError: Unreadable when it is missing or
/// cannot be read, TooLarge above kMaxPictureFileBytes.
[[nodiscard]] std::string readPictureFile(const std::string& utf8Name);

} // namespace tovra::picture
