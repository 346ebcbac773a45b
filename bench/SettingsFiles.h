#pragma once

// The settings file of a user with 5,000 pictures in the wallpaper list, as
// the benchmarks build it.

#include "platform/emulated/ProfileFileCache.h"
#include "settings/SettingsIndex.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace tovra::bench {

inline constexpr int kPictures = 5000;

inline std::string picturePath(int number) {
    static const std::array<const char*, 4> categories = {"风景", "动物", "城市", "花卉"};
    std::array<char, 32> digits{};
    std::snprintf(digits.data(), digits.size(), "%05d", number);
    return std::string("D:\\Pictures\\") + categories[static_cast<std::size_t>(number) % 4] +
           "\\picture-" + digits.data() + ".jpg";
}

inline std::string listSection() {
    return settings::sectionName(settings::kSectionPrefix, settings::section::kPicNameList);
}

/// Builds, in one write, the settings file of a user with 5,000 pictures.
inline void writeSettingsFile(const std::string& file) {
    std::string text = "[TovraDesktop SecondNum]\r\ntime=3500\r\n"
                       "[TovraDesktop setting]\r\nsetsize=1\r\nsetname=hour\r\n"
                       "[" +
                       listSection() + "]\r\n";
    for (int i = 0; i < kPictures; ++i) {
        text += picturePath(i) + "=\r\n";
    }
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

/// Waits until the file is older than the settle time of the parsed copies: a
/// settings file that was there before the program started.
inline void letSettle() {
    std::this_thread::sleep_for(platform::emulated::ProfileFileCache::kSettleTime +
                                std::chrono::milliseconds(100));
}

} // namespace tovra::bench
