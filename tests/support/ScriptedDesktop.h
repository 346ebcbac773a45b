#pragma once

// The desktop's windows as a test scripts them with GoogleMock: for checking
// which windows a piece of code looks for and which messages it sends them
// with which parameters.

#include "platform/DesktopWindows.h"

#include <gmock/gmock.h>
#include <optional>
#include <string>

namespace tovra::test {

class ScriptedDesktopWindows : public platform::DesktopWindows {
public:
    using Hwnd = platform::Hwnd;
    MOCK_METHOD(Hwnd, findWindow, (const std::string&, const std::optional<std::string>&),
                (override));
    MOCK_METHOD(Hwnd, getWindow, (Hwnd, unsigned), (override));
    MOCK_METHOD(std::string, getClassName, (Hwnd, int), (override));
    MOCK_METHOD(std::optional<platform::Rect>, getWindowRect, (Hwnd), (override));
    MOCK_METHOD(bool, showWindow, (Hwnd, int), (override));
    MOCK_METHOD(std::intptr_t, sendMessage, (Hwnd, unsigned, std::uintptr_t, std::intptr_t),
                (override));
};

} // namespace tovra::test
