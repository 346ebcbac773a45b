#include "platform/host/HostWallpaperService.h"

#include <filesystem>

namespace tovra::platform::host {

HostWallpaperService::HostWallpaperService(std::unique_ptr<DesktopSetter> setter,
                                           std::string desktop, std::ostream& errors,
                                           ToolRunner tools)
    : setter_(std::move(setter))
    , desktop_(std::move(desktop))
    , errors_(errors)
    , tools_(tools)
    , worker_([this] { work(); }) {}

HostWallpaperService::~HostWallpaperService() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void HostWallpaperService::show(const std::string& path, WallpaperStyle style) {
    std::error_code error;
    auto absolute = std::filesystem::absolute(path, error);
    {
        const std::lock_guard lock(mutex_);
        pending_ = Request{error ? path : absolute.lexically_normal().string(), style};
    }
    changed_.notify_all();
}

void HostWallpaperService::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !pending_ && !busy_; });
}

void HostWallpaperService::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return pending_ || closing_; });
        if (!pending_) {
            return; // closing, with nothing left to do
        }
        const Request request = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        lock.unlock();
        apply(request);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

void HostWallpaperService::apply(const Request& request) {
    if (!setter_) {
        report("no desktop whose wallpaper this program can set was found; the wallpaper "
               "is kept in the emulated Windows only");
        return;
    }
    if (const auto failure = setter_->apply(request.path, request.style, tools_)) {
        report("the " + desktop_ + " wallpaper was not changed: " + *failure);
    }
}

void HostWallpaperService::report(const std::string& failure) {
    if (told_.insert(failure).second) {
        errors_ << "TovraDesktop: " << failure << std::endl;
    }
}

} // namespace tovra::platform::host
