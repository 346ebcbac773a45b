#include "platform/emulated/SpawnLauncher.h"

#include "platform/emulated/ProgramSearch.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
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

/// Whether the child has ended (and is reaped now), after waiting up to timeout.
bool reapedWithin(pid_t child, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t got = ::waitpid(child, &status, WNOHANG);
        if (got == child || (got < 0 && errno == ECHILD)) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

/// Forks, runs body in the child and reports the exec's outcome: 0 with the
/// child's pid, or an errno (the child, if any, reaped).
template <typename Body>
int forkAndExec(pid_t& child, Body body) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return errno;
    }
    child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        return error;
    }
    if (child == 0) {
        ::close(fds[0]);
        body(fds[1]);
    }
    ::close(fds[1]);
    const int outcome = readOutcome(fds[0]);
    ::close(fds[0]);
    return outcome;
}

} // namespace

int SpawnLauncher::launchDetached(const LaunchRequest& request) {
    const auto path = findProgram(request.program);
    if (!path) {
        return ENOENT;
    }
    const ExecPlan plan = makePlan(path->string(), request);
    pid_t middle = -1;
    const int outcome = forkAndExec(middle, [&plan](int pipeFd) { runMiddle(plan, pipeFd); });
    if (middle > 0) {
        reap(middle); // it has left already, or is just leaving
    }
    return outcome;
}

int SpawnLauncher::launchChild(const LaunchRequest& request, ChildId& child) {
    const auto path = findProgram(request.program);
    if (!path) {
        return ENOENT;
    }
    const ExecPlan plan = makePlan(path->string(), request);
    pid_t pid = -1;
    const int outcome = forkAndExec(pid, [&plan](int pipeFd) {
        ::setsid();
        execPlan(plan, pipeFd);
    });
    if (outcome != 0) {
        if (pid > 0) {
            reap(pid);
        }
        return outcome;
    }
    child = pid;
    return 0;
}

void SpawnLauncher::stopChild(ChildId child) {
    if (child <= 0) {
        return;
    }
    ::kill(-child, SIGTERM);
    if (!reapedWithin(child, std::chrono::seconds(1))) {
        ::kill(-child, SIGKILL);
        reap(child);
    }
}

} // namespace tovra::platform::emulated
