#pragma once

// MessageBoxA: the program's questions and notices.

#include "platform/Types.h"

#include <string>

namespace tovra::platform {

inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbOkCancel = 0x01;
inline constexpr unsigned kMbYesNoCancel = 0x03;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbIconInformation = 0x40;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    /// MessageBoxA(owner, text, caption, type): runs modally and returns the
    /// button pressed (kIdOk, kIdCancel, kIdYes, kIdNo).
    virtual int messageBox(Hwnd owner, const std::string& text, const std::string& caption,
                           unsigned type) = 0;
};

} // namespace tovra::platform
