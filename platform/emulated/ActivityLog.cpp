#include "platform/emulated/ActivityLog.h"

#include <array>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace tovra::platform::emulated {

namespace {

std::string utcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    ::gmtime_r(&now, &parts);
    std::array<char, 32> text{};
    const std::size_t length =
        std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%SZ", &parts);
    return {text.data(), length};
}

} // namespace

std::string escapeLogField(std::string_view field) {
    std::string escaped;
    escaped.reserve(field.size());
    for (const char c : field) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

bool appendLogLine(const std::filesystem::path& file, const std::vector<std::string>& fields) {
    std::string line = utcNow();
    for (const auto& field : fields) {
        line += '\t';
        line += escapeLogField(field);
    }
    line += '\n';
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ssize_t written = 0;
    do {
        written = ::write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    const bool closed = ::close(fd) == 0;
    return closed && written == static_cast<ssize_t>(line.size());
}

} // namespace tovra::platform::emulated
