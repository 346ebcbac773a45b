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

/// Started by the next test as the program it stops: it would run a minute.
TEST(Win32ProcessesHelper, DISABLED_RunsAMinute) {
    std::this_thread::sleep_for(std::chrono::minutes(1));
}

TEST(Win32Processes, CreateProcessKeepsAHandleUntilTerminateProcessEndsIt) {
    test::TempDir dir;
    Win32Processes processes;
    EXPECT_EQ(processes.createProcess("\"" + dir.file("missing.scr") + "\" /p 724", SW_SHOW),
              kNoProcess);

    char self[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    const auto process = processes.createProcess(
        "\"" + std::string(self) +
            "\" --gtest_also_run_disabled_tests --gtest_filter=Win32ProcessesHelper.*",
        SW_HIDE);
    ASSERT_NE(process, kNoProcess);
    HANDLE watch =
        ::OpenProcess(SYNCHRONIZE, FALSE, ::GetProcessId(reinterpret_cast<HANDLE>(process)));
    ASSERT_NE(watch, nullptr);
    EXPECT_EQ(::WaitForSingleObject(watch, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    processes.terminateProcess(process);
    EXPECT_EQ(::WaitForSingleObject(watch, 10000), WAIT_OBJECT_0);
    ::CloseHandle(watch);
}

} // namespace
} // namespace tovra::platform::win32
