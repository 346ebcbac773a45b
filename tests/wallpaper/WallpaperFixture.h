#pragma once

// The emulated Windows on a private state root with a 1024 x 768 screen, the
// setter on its temporary folder, and what the tests read back: the desktop's
// registry values and the pictures' files.

#include "picture/Bmp.h"
#include "platform/emulated/EmulatedPlatform.h"
#include "tests/support/DesktopValues.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/HostStandIns.h"
#include "tests/support/PatternPicture.h"
#include "tests/support/TempDir.h"
#include "wallpaper/core/WallpaperSetter.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tovra::wallpaper::test {

class WallpaperFixture {
public:
    WallpaperFixture()
        : native_(platform::emulated::createEmulatedPlatform(
              {desktop_, boxes_, tray_}, platform::emulated::StateRoot(scratch.path() / "state")))
        , platform(native_->platform())
        , setter(WallpaperServices::from(platform), platform.files.tempPath()) {}

    /// A value under HKEY_CURRENT_USER\Control Panel\Desktop; nothing when missing.
    std::optional<std::string> desktopValue(const std::string& name) {
        return tovra::test::desktopValue(platform.registry, name);
    }

    /// A file of the scratch folder holding bytes; its path.
    std::string file(const std::string& name, const std::string& bytes) {
        const std::string path = scratch.file(name);
        tovra::test::writeBytes(scratch.path() / name, bytes);
        return path;
    }

    std::string jpeg(const std::string& name, picture::Size size) {
        return file(name, tovra::test::jpegFile(tovra::test::photoPicture(size)));
    }
    std::string bmp(const std::string& name, picture::Size size) {
        return file(name, picture::encodeBmp(
                              tovra::test::patternPicture(size, picture::PixelFormat::Bgr24)));
    }

    /// The size of the bitmap file at path; nothing when it is missing.
    static std::optional<picture::Size> bitmapSize(const std::string& path) {
        const std::string bytes = tovra::test::readBytes(path);
        return bytes.empty() ? std::nullopt : std::optional(picture::bmpSize(bytes));
    }

    tovra::test::TempDir scratch;

private:
    platform::emulated::test::FakeHostDesktop desktop_{platform::emulated::test::PanelEdge::None};
    tovra::test::ScriptedMessageBoxes boxes_;
    tovra::test::RecordingTray tray_{false};
    std::unique_ptr<platform::NativePlatform> native_;

public:
    platform::Platform platform;
    WallpaperSetter setter;
};

} // namespace tovra::wallpaper::test
