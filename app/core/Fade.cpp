#include "app/core/Fade.h"

namespace tovra::shell {

FadeTick FadeState::tick() {
    if (ticks_ < rule_.opaqueTicks) {
        ++ticks_;
        return {false, level_, false};
    }
    level_ -= rule_.step;
    return {true, level_, level_ < rule_.closeBelow};
}

void FadeState::reset() {
    ticks_ = 0;
    level_ = kOpaqueLevel;
}

} // namespace tovra::shell
