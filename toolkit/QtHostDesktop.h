#pragma once

// The real desktop as Qt sees it: the primary screen, its panels and the mouse.

#include "platform/NativePlatform.h"

namespace tovra::toolkit {

class QtHostDesktop : public platform::HostDesktop {
public:
    [[nodiscard]] platform::Rect screenGeometry() const override;
    [[nodiscard]] platform::Rect availableGeometry() const override;
    [[nodiscard]] bool leftButtonDown() const override;
};

} // namespace tovra::toolkit
