#pragma once

// The state of the desktop's icon list (the list view inside Progman >
// SHELLDLL_DefView): shown or hidden, caption colours and a redraw counter,
// kept in <root>/DesktopIcons.ini through the profile calls so that a person
// can read it and every running instance sees the same list. Its items are
// the entries of the user's real desktop folder.

#include "platform/ProfileFiles.h"
#include "platform/emulated/StateRoot.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tovra::platform::emulated {

/// The list's own colours until a program sets others: white captions on a
/// transparent background.
inline constexpr std::uint32_t kDefaultIconTextColor = 0x00FFFFFF;
inline constexpr std::uint32_t kDefaultIconTextBkColor = 0xFFFFFFFF; // CLR_NONE

class DesktopIconList {
public:
    DesktopIconList(ProfileFiles& profiles, StateRoot root);

    [[nodiscard]] bool visible() const;
    bool setVisible(bool visible);

    [[nodiscard]] std::uint32_t textColor() const;
    bool setTextColor(std::uint32_t color);
    [[nodiscard]] std::uint32_t textBkColor() const;
    bool setTextBkColor(std::uint32_t color);

    /// Forgets the colours set by programs, as the list does when the system
    /// colours change.
    void takeSystemColors();

    [[nodiscard]] std::uint64_t redrawCount() const;
    /// Counts one more redraw.
    bool redraw();

    /// The non-hidden entries of the user's desktop folder; 0 without one.
    [[nodiscard]] int itemCount() const;

    [[nodiscard]] std::string fileName() const;

private:
    [[nodiscard]] std::string read(const std::string& key) const;
    bool write(const std::string& key, const std::string& value);
    [[nodiscard]] std::uint32_t readColor(const std::string& key, std::uint32_t fallback) const;

    ProfileFiles& profiles_;
    StateRoot root_;
};

/// "0x00BBGGRR".
[[nodiscard]] std::string formatColor(std::uint32_t color);
/// A colour written by formatColor (or as decimal); nothing for anything else.
[[nodiscard]] std::optional<std::uint32_t> parseColor(const std::string& text);

} // namespace tovra::platform::emulated
