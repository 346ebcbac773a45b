#include "platform/emulated/CommandLine.h"

#include <gtest/gtest.h>

namespace tovra::platform::emulated {
namespace {

struct CandidateCase {
    const char* line;
    std::vector<ProgramCandidate> expected;
};

class ProgramCandidates : public testing::TestWithParam<CandidateCase> {};

TEST_P(ProgramCandidates, AreTriedInTheOrderWindowsTriesThem) {
    EXPECT_EQ(programCandidates(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, ProgramCandidates,
    testing::Values(
        CandidateCase{"", {}}, CandidateCase{"   \t ", {}},
        CandidateCase{"/bin/true", {{"/bin/true", ""}}},
        CandidateCase{"  /bin/true  -x", {{"/bin/true", "-x"}, {"/bin/true  -x", ""}}},
        CandidateCase{"/a b/c d", {{"/a", "b/c d"}, {"/a b/c", "d"}, {"/a b/c d", ""}}},
        CandidateCase{
            "/s/demo.scr /p 724",
            {{"/s/demo.scr", "/p 724"}, {"/s/demo.scr /p", "724"}, {"/s/demo.scr /p 724", ""}}},
        CandidateCase{"prog arg ", {{"prog", "arg "}, {"prog arg", ""}}},
        CandidateCase{"\"/my dir/prog\" /p 724", {{"/my dir/prog", "/p 724"}}},
        CandidateCase{"\"/my dir/prog\"", {{"/my dir/prog", ""}}},
        CandidateCase{"\"/my dir/prog\"x y", {{"/my dir/prog", "x y"}}},
        CandidateCase{"\"/unterminated dir/prog /p", {{"/unterminated dir/prog /p", ""}}},
        // The line of a screen-saver preview with nothing selected.
        CandidateCase{" /p 724", {{"/p", "724"}, {"/p 724", ""}}}));

struct ArgumentCase {
    const char* text;
    std::vector<std::string> expected;
};

class SplitArguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(SplitArguments, FollowTheRulesOfTheCRuntime) {
    EXPECT_EQ(splitArguments(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, SplitArguments,
    testing::Values(ArgumentCase{"", {}}, ArgumentCase{"  \t ", {}},
                    ArgumentCase{"/p 724", {"/p", "724"}},
                    ArgumentCase{"a\t\tb   c", {"a", "b", "c"}},
                    ArgumentCase{"\"two words\" x", {"two words", "x"}},
                    ArgumentCase{"a\"b c\"d e", {"ab cd", "e"}}, ArgumentCase{"\"\"", {""}},
                    ArgumentCase{"C:\\dir\\file", {"C:\\dir\\file"}},
                    ArgumentCase{"a\\\\\\\"b", {"a\\\"b"}},          // 3 backslashes, quote
                    ArgumentCase{"a\\\\\"b c\" d", {"a\\b c", "d"}}, // 2 backslashes, quote
                    ArgumentCase{"\"a\\\" b\"", {"a\" b"}},
                    ArgumentCase{"a\"b\"\" c d", {"ab\" c d"}},
                    ArgumentCase{"\"unterminated arg", {"unterminated arg"}},
                    ArgumentCase{"trailing\\", {"trailing\\"}}));

} // namespace
} // namespace tovra::platform::emulated
