#pragma once

// The settings file of a user with 50 categories of 1,000 pictures each,
// beside the program's own sections, for the library's benchmarks.

#include "bench/SettingsFiles.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <string>

namespace tovra::bench {

constexpr int kCategories = 50;
constexpr int kPicturesEach = 1000;

inline std::string categoryName(int number) {
    return "壁纸类别 " + std::to_string(number);
}

inline std::string picturePath(int category, int number) {
    return "D:\\Pictures\\" + categoryName(category) + "\\图片-" + std::to_string(number) + ".jpg";
}

/// The settings file, written at once as a user's long use would have left it.
class LibraryFile {
public:
    LibraryFile() {
        std::string text = "[TovraDesktop SecondNum]\r\ntime=3500\r\n"
                           "[TovraDesktop PicNameList]\r\nD:\\Pictures\\a.jpg=\r\n";
        for (int category = 0; category < kCategories; ++category) {
            text += "[" + categoryName(category) + "]\r\n";
            for (int i = 0; i < kPicturesEach; ++i) {
                text += picturePath(category, i) + "=\r\n";
            }
        }
        pristine_ = folder_.file("pristine.ini");
        tovra::test::writeBytes(pristine_, text);
        restore();
        letSettle();
    }

    [[nodiscard]] std::string path() const { return folder_.file("TovraDesktop.ini"); }
    void restore() const {
        std::filesystem::copy_file(pristine_, path(),
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    tovra::test::TempDir folder_;
    std::string pristine_;
};

} // namespace tovra::bench
