// WinExec through the Windows backend: the command line reaches the program
// in the ANSI code page, and a program that is not there gives Windows' code.

#include "platform/win32/Win32Processes.h"

#include "tests/support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace tovra::platform::win32 {
namespace {

constexpr unsigned kStarted = 32; // WinExec: greater than 31 on success

TEST(Win32Processes, MissingProgramGivesFileNotFound) {
    test::TempDir dir;
    Win32Processes processes;
    EXPECT_EQ(processes.winExec(dir.file("missing.scr") + " /p 724", SW_SHOW), 2u);
}

TEST(Win32Processes, CommandLineReachesTheProgramInTheAnsiCodePage) {
    ASSERT_EQ(::GetACP(), 936u) << "the command line needs code page 936";
    test::TempDir dir;
    const std::filesystem::path made = dir.path() / u8"屏保预览";
    const std::u8string name = made.u8string();
    Win32Processes processes;
    ASSERT_GE(processes.winExec(
                  "cmd.exe /c mkdir \"" + std::string(name.begin(), name.end()) + "\"", SW_HIDE),
              kStarted);
    // WinExec does not wait: give the program up to ten seconds to finish.
    for (int i = 0; i < 200 && !std::filesystem::exists(made); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(std::filesystem::is_directory(made));
}

} // namespace
} // namespace tovra::platform::win32
