#include "platform/emulated/EmulatedSystemFiles.h"

#include "platform/emulated/FileStore.h"
#include "tests/support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

mode_t modeOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode;
}

TEST(EmulatedSystemFiles, TempPathIsAPrivateFolderUnderTheRootWithItsSeparator) {
    TempDir scratch;
    const StateRoot root(scratch.path() / "root");
    EmulatedSystemFiles files(root);
    const std::string temp = files.tempPath();
    EXPECT_EQ(temp, root.file("Temp").string() + "/");
    EXPECT_TRUE(S_ISDIR(modeOf(temp)));
    EXPECT_EQ(modeOf(temp) & 0777, 0700u);
    EXPECT_EQ(modeOf(root.path()) & 0777, 0700u);
}

TEST(EmulatedSystemFiles, AnExistingTempFolderOfOursIsMadePrivate) {
    TempDir scratch;
    const StateRoot root(scratch.path());
    std::filesystem::create_directory(root.file("Temp"));
    ::chmod(root.file("Temp").c_str(), 0777);
    writeBytes(root.file("Temp") / "WallPaper.BMP", "kept");
    EmulatedSystemFiles files(root);
    EXPECT_EQ(files.tempPath(), root.file("Temp").string() + "/");
    EXPECT_EQ(modeOf(root.file("Temp")) & 0777, 0700u);
    EXPECT_EQ(readBytes(root.file("Temp") / "WallPaper.BMP"), "kept");
}

struct PlantedTemp {
    const char* name;
    std::function<bool(const std::filesystem::path& temp, const std::filesystem::path& elsewhere)>
        plant; // false: the case cannot be set up here
};

TEST(EmulatedSystemFiles, ATempThatIsNotOurOwnFolderIsRefusedForAFreshPrivateOne) {
    const PlantedTemp cases[] = {
        {"symbolic link to a folder",
         [](const auto& temp, const auto& elsewhere) {
             std::filesystem::create_directory(elsewhere);
             std::filesystem::create_directory_symlink(elsewhere, temp);
             return true;
         }},
        {"dangling symbolic link",
         [](const auto& temp, const auto& elsewhere) {
             std::filesystem::create_directory_symlink(elsewhere, temp);
             return true;
         }},
        {"regular file",
         [](const auto& temp, const auto&) {
             writeBytes(temp, "");
             return true;
         }},
        {"folder of another user",
         [](const auto& temp, const auto&) {
             std::filesystem::create_directory(temp);
             return ::geteuid() == 0 && ::chown(temp.c_str(), 65534, 65534) == 0;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir scratch;
        const StateRoot root(scratch.path());
        if (!c.plant(root.file("Temp"), scratch.path() / "elsewhere")) {
            continue; // needs privileges this run does not have
        }
        std::string temp;
        {
            EmulatedSystemFiles files(root);
            testing::internal::CaptureStderr();
            temp = files.tempPath();
            const std::string said = testing::internal::GetCapturedStderr();

            EXPECT_NE(said.find("Temp"), std::string::npos) << said;
            ASSERT_EQ(temp.back(), '/');
            EXPECT_EQ(temp.find(scratch.path().string()), std::string::npos) << temp;
            EXPECT_TRUE(S_ISDIR(modeOf(temp)));
            EXPECT_EQ(modeOf(temp) & 0777, 0700u);
            EXPECT_EQ(files.tempPath(), temp); // the same folder for the object's life
            EXPECT_TRUE(files.replaceFile(temp + "WallPaper.BMP", "picture"));
            EXPECT_FALSE(std::filesystem::exists(scratch.path() / "elsewhere" / "WallPaper.BMP"));
        }
        EXPECT_FALSE(std::filesystem::exists(temp)) << "the stand-in goes with the program";
    }
}

struct Meddling {
    const char* name;
    /// Done to Temp between two writes of the bitmap; false: the case cannot
    /// be set up here.
    std::function<bool(const std::filesystem::path& temp, const std::filesystem::path& elsewhere)>
        meddle;
    bool secondWritten;
};

TEST(EmulatedSystemFiles, TheBitmapIsWrittenIntoThePrivateTempOrNowhere) {
    const Meddling cases[] = {
        {"a link planted in the bitmap's place",
         [](const auto& temp, const auto& elsewhere) {
             std::filesystem::remove(temp / "WallPaper.BMP");
             std::filesystem::create_symlink(elsewhere / "notes.txt", temp / "WallPaper.BMP");
             return true;
         },
         true},
        {"Temp opened to everyone",
         [](const auto& temp, const auto&) { return ::chmod(temp.c_str(), 0777) == 0; }, true},
        {"Temp swapped for a link to another folder",
         [](const auto& temp, const auto& elsewhere) {
             std::filesystem::rename(temp, temp.string() + ".old");
             std::filesystem::create_directory_symlink(elsewhere, temp);
             return true;
         },
         false},
        {"Temp swapped for a folder of another user",
         [](const auto& temp, const auto&) {
             std::filesystem::rename(temp, temp.string() + ".old");
             std::filesystem::create_directory(temp);
             return ::geteuid() == 0 && ::chown(temp.c_str(), 65534, 65534) == 0;
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir scratch;
        const auto elsewhere = scratch.path() / "elsewhere";
        std::filesystem::create_directory(elsewhere);
        writeBytes(elsewhere / "notes.txt", "my notes");
        ::chmod((elsewhere / "notes.txt").c_str(), 0444);
        EmulatedSystemFiles files(StateRoot(scratch.path() / "root"));
        const std::string bitmap = files.tempPath() + "WallPaper.BMP";
        ASSERT_TRUE(files.replaceFile(bitmap, "first"));
        const auto temp = std::filesystem::path(bitmap).parent_path();
        if (!c.meddle(temp, elsewhere)) {
            continue; // needs privileges this run does not have
        }
        // As the wallpaper setter writes it: the read-only mark cleared first.
        files.setFileAttributes(bitmap, kFileAttributeNormal);
        testing::internal::CaptureStderr();
        EXPECT_EQ(files.replaceFile(bitmap, "second"), c.secondWritten);
        testing::internal::GetCapturedStderr();

        EXPECT_EQ(readBytes(elsewhere / "notes.txt"), "my notes");
        EXPECT_EQ(modeOf(elsewhere / "notes.txt") & 0777, 0444u);
        EXPECT_FALSE(std::filesystem::exists(elsewhere / "WallPaper.BMP"));
        if (c.secondWritten) {
            EXPECT_TRUE(S_ISREG(modeOf(bitmap)));
            EXPECT_EQ(readBytes(bitmap), "second");
            EXPECT_EQ(modeOf(temp) & 0777, 0700u);
        } else {
            EXPECT_EQ(readBytes(temp.string() + ".old/WallPaper.BMP"), "first");
        }
    }
}

TEST(EmulatedSystemFiles, ReadOnlyAttributeIsTheModeThatTheFileStoreRefuses) {
    TempDir scratch;
    EmulatedSystemFiles files(StateRoot(scratch.path()));
    const auto file = scratch.path() / "WallPaper.BMP";
    writeBytes(file, "old picture");
    ::chmod(file.c_str(), 0644);

    ASSERT_TRUE(files.setFileAttributes(file, kFileAttributeReadOnly | kFileAttributeHidden));
    EXPECT_EQ(modeOf(file) & 0777, 0444u);
    EXPECT_FALSE(replaceFile(file, "new picture"));
    EXPECT_EQ(readBytes(file), "old picture");

    ASSERT_TRUE(files.setFileAttributes(file, kFileAttributeNormal));
    EXPECT_EQ(modeOf(file) & 0777, 0644u);
    EXPECT_TRUE(replaceFile(file, "new picture"));
    EXPECT_EQ(readBytes(file), "new picture");
}

TEST(EmulatedSystemFiles, ReplaceRemovesOnlyTheTemporariesThatDeadWritersOfTheFileLeft) {
    TempDir scratch;
    EmulatedSystemFiles files(StateRoot(scratch.path()));
    const auto file = scratch.path() / "WallPaper.BMP";
    struct Leftover {
        const char* name;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".WallPaper.BMP.tmp-1234567890", true}, {".WallPaper.BMP.tmp-7", true},
        {".WallPaper.BMP.tmp-", false},          {".WallPaper.BMP.tmp-12ab", false},
        {".Other.BMP.tmp-1234", false},          {"WallPaper.BMP.tmp-1234", false}};
    for (const Leftover& leftover : leftovers) {
        writeBytes(scratch.path() / leftover.name, "half a picture");
    }
    ASSERT_TRUE(files.replaceFile(file.string(), "new picture"));
    EXPECT_EQ(readBytes(file), "new picture");
    for (const Leftover& leftover : leftovers) {
        EXPECT_NE(std::filesystem::exists(scratch.path() / leftover.name), leftover.removed)
            << leftover.name;
    }
}

TEST(EmulatedSystemFiles, AttributeTable) {
    struct Case {
        const char* name;
        mode_t before;
        std::uint32_t attributes;
        mode_t after;
    };
    const Case cases[] = {
        {"read-only clears every write bit", 0666, kFileAttributeReadOnly, 0444},
        {"normal gives the owner write back", 0444, kFileAttributeNormal, 0644},
        {"normal keeps what is already writable", 0640, kFileAttributeNormal, 0640},
        {"hidden alone is accepted and clears read-only", 0400, kFileAttributeHidden, 0600},
        {"no attribute at all counts as normal", 0444, 0, 0644},
        {"execute bits survive", 0755, kFileAttributeReadOnly, 0555},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir scratch;
        EmulatedSystemFiles files(StateRoot(scratch.path()));
        const auto file = scratch.path() / "file";
        writeBytes(file, "x");
        ::chmod(file.c_str(), c.before);
        EXPECT_TRUE(files.setFileAttributes(file, c.attributes));
        EXPECT_EQ(modeOf(file) & 0777, c.after);
    }
}

TEST(EmulatedSystemFiles, MissingFilesAndFoldersAreHandledAsWindowsDoes) {
    TempDir scratch;
    EmulatedSystemFiles files(StateRoot(scratch.path()));
    EXPECT_FALSE(files.setFileAttributes(scratch.file("missing.bmp"), kFileAttributeNormal));
    EXPECT_FALSE(files.setFileAttributes("", kFileAttributeNormal));
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "missing.bmp"));

    const auto folder = scratch.path() / "folder";
    std::filesystem::create_directory(folder);
    ::chmod(folder.c_str(), 0755);
    EXPECT_TRUE(files.setFileAttributes(folder, kFileAttributeReadOnly));
    EXPECT_EQ(modeOf(folder) & 0777, 0755u); // a read-only folder still takes new files
}

TEST(EmulatedSystemFiles, SystemDirectoryIsAFolderUnderTheRootWithoutSeparator) {
    TempDir scratch;
    const StateRoot root(scratch.path() / "root");
    EmulatedSystemFiles files(root);
    const std::string system = files.systemDirectory();
    EXPECT_EQ(system, root.file("System32").string());
    EXPECT_NE(system.back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(system));
}

} // namespace
} // namespace tovra::platform::emulated
