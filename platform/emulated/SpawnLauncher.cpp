#include "platform/emulated/SpawnLauncher.h"

#include "platform/emulated/ProgramSearch.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovra::platform::emulated {

namespace {

/// Everything the child needs, prepared before the fork: after it only
/// async-signal-safe calls are allowed, and Qt runs threads of its own.
struct ExecPlan {
    std::string path;
    std::vector<std::string> argumentTexts;
    std::vector<char*> argv;
    char* const* envp = nullptr;
    const char* workingDirectory = nullptr;
};

ExecPlan makePlan(const std::string& path, const LaunchRequest& request) {
    ExecPlan plan;
    plan.path = path;
    plan.argumentTexts.push_back(request.program);
    plan.argumentTexts.insert(plan.argumentTexts.end(), request.arguments.begin(),
                              request.arguments.end());
    for (auto& text : plan.argumentTexts) {
        plan.argv.push_back(text.data());
    }
    plan.argv.push_back(nullptr);
    plan.envp = environ;
    if (!request.workingDirectory.empty()) {
        plan.workingDirectory = request.workingDirectory.c_str();
    }
    return plan;
}

[[noreturn]] void reportAndExit(int pipeFd, int error) {
    [[maybe_unused]] const ssize_t ignored = ::write(pipeFd, &error, sizeof error);
    ::_exit(127);
}

/// The grandchild: default signal handling, an empty signal mask, then exec.
[[noreturn]] void execPlan(const ExecPlan& plan, int pipeFd) {
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        ::sigaction(signal, &defaults, nullptr); // fails harmlessly for KILL and STOP
    }
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    if (plan.workingDirectory != nullptr && ::chdir(plan.workingDirectory) != 0) {
        reportAndExit(pipeFd, errno);
    }
    ::execve(plan.path.c_str(), plan.argv.data(), plan.envp);
    reportAndExit(pipeFd, errno);
}

/// The middle process: a session of its own, one more fork, and out.
[[noreturn]] void runMiddle(const ExecPlan& plan, int pipeFd) {
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) {
        reportAndExit(pipeFd, errno);
    }
    if (grandchild == 0) {
        execPlan(plan, pipeFd);
    }
    ::_exit(0);
}

/// What the pipe said: an errno, or 0 when it closed empty (the exec worked).
int readOutcome(int pipeFd) {
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(pipeFd, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

void reap(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

int SpawnLauncher::launchDetached(const LaunchRequest& request) {
    const auto path = findProgram(request.program);
    if (!path) {
        return ENOENT;
    }
    const ExecPlan plan = makePlan(path->string(), request);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return errno;
    }
    const pid_t middle = ::fork();
    if (middle < 0) {
        const int error = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        return error;
    }
    if (middle == 0) {
        ::close(fds[0]);
        runMiddle(plan, fds[1]);
    }
    ::close(fds[1]);
    const int outcome = readOutcome(fds[0]);
    ::close(fds[0]);
    reap(middle); // it has left already, or is just leaving
    return outcome;
}

} // namespace tovra::platform::emulated
