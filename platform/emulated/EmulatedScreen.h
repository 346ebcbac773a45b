#pragma once

// GetSystemMetrics, GetAsyncKeyState, GetSysColor and SetSysColors of the
// emulated Windows. The screen and the mouse are the real desktop's; the
// system colours are kept in <root>/SystemColors.ini, section [Colors], one
// "Name=R G B" line per colour set, as Windows keeps them in its registry.

#include "platform/NativePlatform.h"
#include "platform/ProfileFiles.h"
#include "platform/Screen.h"
#include "platform/emulated/DesktopIconList.h"
#include "platform/emulated/StateRoot.h"

namespace tovra::platform::emulated {

class EmulatedScreen final : public Screen {
public:
    /// iconList may be null; when given, it takes up the system colours again
    /// whenever they are set, as every window does on Windows.
    EmulatedScreen(HostDesktop& host, ProfileFiles& profiles, StateRoot root,
                   DesktopIconList* iconList = nullptr);

    /// SM_CXSCREEN / SM_CYSCREEN: the primary screen's width / height; 0 for
    /// any other index.
    int getSystemMetrics(int index) override;
    /// VK_LBUTTON: 0x8000 while the host says the left button is down. Other
    /// keys are not followed: 0.
    std::int16_t getAsyncKeyState(int virtualKey) override;
    /// The stored colour, or the classic default for an index never set (or
    /// stored unreadably); 0 outside 0 to 30.
    std::uint32_t getSysColor(int index) override;
    /// Stores each colour (its top byte dropped) under its index's name.
    /// Indexes outside 0 to 30 are skipped. False when the spans differ in
    /// length or a write is refused.
    bool setSysColors(std::span<const int> elements,
                      std::span<const std::uint32_t> colors) override;

    [[nodiscard]] std::string fileName() const;

private:
    HostDesktop& host_;
    ProfileFiles& profiles_;
    StateRoot root_;
    DesktopIconList* iconList_;
};

} // namespace tovra::platform::emulated
