#pragma once

// What every backend of platform::ProfileFiles must do with a profile file, as
// a table of cases that starts from given file bytes (or no file), makes calls
// through the interface only, and checks their results and, where the layout
// is fixed, the bytes left in the file. A backend's suite instantiates it with
// INSTANTIATE_TEST_SUITE_P(Name, ProfileConformance,
//                          ::testing::ValuesIn(conformanceCases(backend)), conformanceCaseName).
// Layout that only some backends keep (LF line breaks, blank lines, spacing
// around '=') is checked by the backends' own suites.
//
// The shared part uses only the standard library, so that the same table can
// check the Windows backend, cross-built, under Wine.

#include "platform/ProfileFiles.h"
#include "tests/platform/ConformanceSystem.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::test {

/// A folder for one case, removed with its content when the object goes.
class ScratchFolder {
public:
    virtual ~ScratchFolder() = default;
    [[nodiscard]] virtual std::filesystem::path path() const = 0;
    /// A folder in which no file can be created.
    [[nodiscard]] virtual std::filesystem::path unwritableFolder() = 0;
};

/// How to make a backend and its scratch folders.
struct ProfileBackend {
    std::string name;
    std::function<std::unique_ptr<platform::ProfileFiles>()> create;
    std::function<std::unique_ptr<ScratchFolder>()> scratch;
    /// Whose behaviour the backend shows: the Windows backend shows that of
    /// the system it runs on.
    System system = System::Windows;
};

/// One call and what it must give back.
struct ProfileStep {
    enum class Call {
        ReadString,
        ReadKeys,
        ReadSections,
        WriteString,
        DeleteKey,
        EraseSection,
        WriteSection
    };
    Call call = Call::ReadSections;
    std::string section;
    std::string key;
    std::string text; // the value written, or the default of a read
    std::size_t bufferSize = 2048;
    std::string expectedText;                      // ReadString
    std::vector<platform::ProfileEntry> entries{}; // WriteSection
    std::vector<std::string> expectedList;         // ReadKeys, ReadSections
    bool expectedResult = true;     // WriteString, DeleteKey, EraseSection, WriteSection
    Variants<ProfileStep> variants; // where a system differs from Windows
};

struct ProfileCase {
    std::string name{};
    std::optional<std::string> initialBytes{}; // nothing: no file
    std::vector<ProfileStep> steps{};
    std::optional<std::string> expectedBytes{}; // checked when given
    bool expectNoFile = false;
    bool inUnwritableFolder = false;
};

struct ConformanceParam {
    ProfileBackend backend;
    ProfileCase profileCase;
};

/// Every case of the table, for one backend.
[[nodiscard]] std::vector<ConformanceParam> conformanceCases(const ProfileBackend& backend);
/// The test's name: the backend's and the case's.
[[nodiscard]] std::string
conformanceCaseName(const ::testing::TestParamInfo<ConformanceParam>& tested);

class ProfileConformance : public ::testing::TestWithParam<ConformanceParam> {};

/// Raw file access for the checks, through the standard library only.
void writeRawBytes(const std::filesystem::path& file, const std::string& bytes);
/// The file's bytes; empty when it is missing.
[[nodiscard]] std::string readRawBytes(const std::filesystem::path& file);
/// A "Unicode" file as Windows saves it: UTF-16LE after a byte-order mark.
[[nodiscard]] std::string utf16leFile(std::u16string_view text);
/// The path as the UTF-8 text that the profile calls take.
[[nodiscard]] std::string utf8Path(const std::filesystem::path& path);

} // namespace tovra::test
