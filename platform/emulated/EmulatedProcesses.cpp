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

EmulatedProcesses::~EmulatedProcesses() {
    for (const ProcessHandle child : std::set<ProcessHandle>(children_)) {
        terminateProcess(child);
    }
}

std::optional<EmulatedProcesses::Program>
EmulatedProcesses::programOf(const std::string& commandLine) const {
    const std::vector<std::filesystem::path> systemFolder{root_.file("System32")};
    for (const auto& candidate : programCandidates(commandLine)) {
        if (auto program = findProgram(candidate.program, systemFolder)) {
            return Program{std::move(*program), splitArguments(candidate.arguments)};
        }
    }
    return std::nullopt;
}

unsigned EmulatedProcesses::winExec(const std::string& commandLine, int showCommand) {
    const auto program = programOf(commandLine);
    if (!program) {
        log({"WinExec", commandLine, std::to_string(showCommand), "", "",
             std::to_string(kErrorFileNotFoundResult)});
        return kErrorFileNotFoundResult;
    }
    const int error = launcher_.launchDetached({program->path.string(), program->arguments, {}});
    const unsigned result = windowsStartResult(error, kWinExecStarted);
    log({"WinExec", commandLine, std::to_string(showCommand), program->path.string(),
         joined(program->arguments), std::to_string(result)});
    return result;
}

ProcessHandle EmulatedProcesses::createProcess(const std::string& commandLine, int showCommand) {
    const auto program = programOf(commandLine);
    ChildId child = 0;
    const int error =
        program ? launcher_.launchChild({program->path.string(), program->arguments, {}}, child)
                : ENOENT;
    const ProcessHandle handle = error == 0 ? static_cast<ProcessHandle>(child) : kNoProcess;
    if (handle != kNoProcess) {
        children_.insert(handle);
    }
    log({"CreateProcess", commandLine, std::to_string(showCommand),
         program ? program->path.string() : "", program ? joined(program->arguments) : "",
         std::to_string(handle)});
    return handle;
}

void EmulatedProcesses::terminateProcess(ProcessHandle process) {
    if (children_.erase(process) == 0) {
        return;
    }
    launcher_.stopChild(static_cast<ChildId>(process));
    log({"TerminateProcess", std::to_string(process)});
}

std::intptr_t EmulatedProcesses::broadcastSystemCommand(std::uintptr_t wParam,
                                                        std::intptr_t lParam) {
    const std::string command =
        "WM_SYSCOMMAND " + std::to_string(wParam) + " " + std::to_string(lParam);
    if (wParam != kScScreenSave) {
        log({"Broadcast", command, "ignored"});
        return 0;
    }
    // The desktop's own way first; a bare X session may run xscreensaver alone.
    const std::vector<LaunchRequest> requests{{"xdg-screensaver", {"activate"}, {}},
                                              {"xscreensaver-command", {"-activate"}, {}}};
    int error = ENOENT;
    for (const auto& request : requests) {
        error = launcher_.launchDetached(request);
        if (error != ENOENT) {
            const std::string what = request.program + " " + request.arguments.front();
            log({"Broadcast", command, what,
                 error == 0 ? "started" : "failed: errno " + std::to_string(error)});
            return 0;
        }
    }
    log({"Broadcast", command, "no screen saver to start",
         "failed: errno " + std::to_string(error)});
    return 0;
}

void EmulatedProcesses::log(const std::vector<std::string>& fields) {
    if (root_.ensure()) {
        appendLogLine(root_.file("processes.log"), fields);
    }
}

} // namespace tovra::platform::emulated
