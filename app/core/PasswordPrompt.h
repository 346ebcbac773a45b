#pragma once

// The start-up password prompt's rules: what "确定" does with what was typed,
// and the messages it shows. The prompt window asks and shows; this decides.

#include "platform/Registry.h"

#include <string>
#include <string_view>

namespace tovra::shell {

inline constexpr std::string_view kShellCaption = "Tavro精灵提示";
inline constexpr std::string_view kWrongCodeText = "对不起!你的口令不正确!请重新输入...!";
inline constexpr std::string_view kThirdWrongCodeText = "对不起!你输入三次不正确!Tavro将离开你!";
/// Wrong entries that end the program.
inline constexpr int kMaxWrongCodes = 3;

enum class PromptAnswer {
    /// The password is right: start-up goes on.
    Open,
    /// Wrong: the wrong-entry message, and the prompt stays open.
    TryAgain,
    /// Wrong for the third time: the wrong-entry message, the third-entry
    /// message, and the program ends.
    Leave,
};

/// The stored password (the value "code" under HKEY_LOCAL_MACHINE
/// "\SOFTWARE\tavro", opened read-only); the empty text when the value or the
/// key is missing or the key cannot be read.
[[nodiscard]] std::string storedPassword(platform::Registry& registry);

class PasswordPrompt {
public:
    /// Checks typed against the stored password (PasswordHash.h) and counts
    /// a wrong entry.
    PromptAnswer check(platform::Registry& registry, const std::string& typed);

    /// Wrong entries since the program started.
    [[nodiscard]] int WrongCodeCount() const { return wrongCodeCount_; }

private:
    int wrongCodeCount_ = 0;
};

} // namespace tovra::shell
