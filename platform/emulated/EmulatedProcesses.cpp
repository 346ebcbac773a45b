#include "platform/emulated/EmulatedProcesses.h"

#include "platform/emulated/ActivityLog.h"
#include "platform/emulated/CommandLine.h"
#include "platform/emulated/ProgramSearch.h"

#include <cerrno>
#include <utility>

namespace tovra::platform::emulated {

namespace {

constexpr unsigned kErrorFileNotFoundResult = 2;

std::string joined(const std::vector<std::string>& arguments) {
    std::string text;
    for (const auto& argument : arguments) {
        text += text.empty() ? "" : " ";
        text += "[" + argument + "]";
    }
    return text;
}

} // namespace

EmulatedProcesses::EmulatedProcesses(StateRoot root, Launcher& launcher)
    : root_(std::move(root))
    , launcher_(launcher) {}

unsigned EmulatedProcesses::winExec(const std::string& commandLine, int showCommand) {
    const std::vector<std::filesystem::path> systemFolder{root_.file("System32")};
    for (const auto& candidate : programCandidates(commandLine)) {
        const auto program = findProgram(candidate.program, systemFolder);
        if (!program) {
            continue;
        }
        const auto arguments = splitArguments(candidate.arguments);
        const int error = launcher_.launchDetached({program->string(), arguments, {}});
        const unsigned result = windowsStartResult(error, kWinExecStarted);
        log({"WinExec", commandLine, std::to_string(showCommand), program->string(),
             joined(arguments), std::to_string(result)});
        return result;
    }
    log({"WinExec", commandLine, std::to_string(showCommand), "", "",
         std::to_string(kErrorFileNotFoundResult)});
    return kErrorFileNotFoundResult;
}

std::intptr_t EmulatedProcesses::broadcastSystemCommand(std::uintptr_t wParam,
                                                        std::intptr_t lParam) {
    const std::string command =
        "WM_SYSCOMMAND " + std::to_string(wParam) + " " + std::to_string(lParam);
    if (wParam != kScScreenSave) {
        log({"Broadcast", command, "ignored"});
        return 0;
    }
    const int error = launcher_.launchDetached({"xdg-screensaver", {"activate"}, {}});
    log({"Broadcast", command, "xdg-screensaver activate",
         error == 0 ? "started" : "failed: errno " + std::to_string(error)});
    return 0;
}

void EmulatedProcesses::log(const std::vector<std::string>& fields) {
    if (root_.ensure()) {
        appendLogLine(root_.file("processes.log"), fields);
    }
}

} // namespace tovra::platform::emulated
