#pragma once

// The fades of the splash and About windows: a window stays fully opaque for
// a number of ticks of its timer, then loses a fixed step of opacity at every
// tick and closes once the level has dropped below a threshold.

namespace tovra::shell {

struct FadeRule {
    /// Timer interval, in milliseconds.
    int intervalMs;
    /// Ticks that pass at full opacity before the fade begins.
    int opaqueTicks;
    /// Opacity lost at each tick of the fade (levels 0 to 255).
    int step;
    /// The window closes when the level is below this.
    int closeBelow;
};

/// The splash: half a second opaque, then 25 steps from 245 down to 5.
inline constexpr FadeRule kSplashFade{100, 5, 10, 8};
/// The About window: four seconds opaque, then 24 steps from 245 down to 15.
inline constexpr FadeRule kAboutFade{200, 20, 10, 25};

inline constexpr int kOpaqueLevel = 255;

/// What one tick did.
struct FadeTick {
    /// The opacity changed to level.
    bool fading = false;
    int level = kOpaqueLevel;
    /// The window must close now.
    bool close = false;
};

/// A window's tick count and fade level.
class FadeState {
public:
    explicit FadeState(const FadeRule& rule)
        : rule_(rule) {}

    FadeTick tick();
    /// Back to the start: no ticks counted, fully opaque.
    void reset();

    [[nodiscard]] int ticks() const { return ticks_; }
    [[nodiscard]] int level() const { return level_; }

private:
    FadeRule rule_;
    int ticks_ = 0;
    int level_ = kOpaqueLevel;
};

} // namespace tovra::shell
