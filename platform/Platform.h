#pragma once

// One bundle of the platform's services, handed down from app/ to whoever
// needs them. It owns nothing: app/ (or a test) keeps the implementations alive.

#include "platform/DesktopWindows.h"
#include "platform/MessageBoxes.h"
#include "platform/Processes.h"
#include "platform/ProfileFiles.h"
#include "platform/Registry.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/SystemFiles.h"
#include "platform/TrayIcon.h"

namespace tovra::platform {

struct Platform {
    Registry& registry;
    ProfileFiles& profiles;
    Shell& shell;
    SystemFiles& files;
    Processes& processes;
    DesktopWindows& windows;
    Screen& screen;
    MessageBoxes& messageBoxes;
    TrayIcon& tray;
};

} // namespace tovra::platform
