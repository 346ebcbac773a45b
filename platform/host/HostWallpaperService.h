#pragma once

// The real desktop's wallpaper, set on a worker thread of its own so that the
// interface and the rotation timer never wait for the desktop's programs.
// Requests that come while one is being applied wait; only the newest one of
// them is applied, the ones it replaced would be overdrawn at once anyway. A
// failure is told on the error stream once: a rotation that fails at every
// change does not fill it.

#include "platform/host/DesktopSetter.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <thread>

namespace tovra::platform::host {

class HostWallpaperService final : public emulated::HostWallpaper {
public:
    /// setter null: no desktop was found; the first request says so.
    HostWallpaperService(std::unique_ptr<DesktopSetter> setter, std::string desktop,
                         std::ostream& errors, ToolRunner tools = ToolRunner());
    /// Finishes what was asked (each program bounded by its time limit).
    ~HostWallpaperService() override;
    HostWallpaperService(const HostWallpaperService&) = delete;
    HostWallpaperService& operator=(const HostWallpaperService&) = delete;

    /// Queues the picture, made absolute, and returns at once.
    void show(const std::string& path, WallpaperStyle style) override;

    /// Blocks until every request made so far has been applied or has failed.
    void waitUntilIdle();

private:
    struct Request {
        std::string path;
        WallpaperStyle style;
    };

    void work();
    void apply(const Request& request);
    void report(const std::string& failure);

    std::unique_ptr<DesktopSetter> setter_;
    std::string desktop_;
    std::ostream& errors_;
    ToolRunner tools_;
    std::set<std::string> told_; // only the worker uses it

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Request> pending_;
    bool busy_ = false;
    bool closing_ = false;
    std::thread worker_; // last: it starts once everything above exists
};

} // namespace tovra::platform::host
