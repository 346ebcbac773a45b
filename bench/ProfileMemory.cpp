// tovra_profile_memory <megabytes> [utf8|gbk|utf16]: writes a settings file of
// about that size (a wallpaper list of Chinese picture paths) in the encoding
// given, reads one value of it through the emulated profile calls, and prints
// the memory that the read took against the file's size.

#include "bench/SettingsFiles.h"
#include "platform/emulated/CodePage936.h"
#include "platform/emulated/EmulatedProfileFiles.h"
#include "tests/support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

using tovra::platform::emulated::EmulatedProfileFiles;

/// The largest resident size the process has had, in bytes.
double peakBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

std::string encoded(const std::string& utf8, const std::string& encoding) {
    if (encoding == "gbk") {
        std::string bytes;
        return tovra::platform::emulated::appendCodePage936(utf8, bytes) ? bytes : std::string();
    }
    if (encoding == "utf16") {
        const auto units = tovra::platform::emulated::utf8ToUtf16le(utf8);
        return {units.begin(), units.end()};
    }
    return utf8;
}

/// Writes the file a chunk at a time, so that making it costs little memory.
void writeSettingsFile(const std::filesystem::path& file, double megabytes,
                       const std::string& encoding) {
    std::ofstream out(file, std::ios::binary);
    out << (encoding == "utf16" ? "\xFF\xFE" : "");
    out << encoded("[TovraDesktop SecondNum]\r\ntime=3500\r\n[" + tovra::bench::listSection() +
                       "]\r\n",
                   encoding);
    const auto target = static_cast<std::uintmax_t>(megabytes * 1024 * 1024);
    for (int picture = 0; static_cast<std::uintmax_t>(out.tellp()) < target;) {
        std::string chunk;
        for (int line = 0; line < 1000; ++line, ++picture) {
            chunk += tovra::bench::picturePath(picture) + "=\r\n";
        }
        out << encoded(chunk, encoding);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tovra_profile_memory <megabytes> [utf8|gbk|utf16]\n");
        return 2;
    }
    const double megabytes = std::atof(argv[1]);
    const std::string encoding = argc > 2 ? argv[2] : "utf8";
    tovra::test::TempDir folder;
    const auto file = folder.path() / "TovraDesktop.ini";
    writeSettingsFile(file, megabytes, encoding);
    const double size = static_cast<double>(std::filesystem::file_size(file));
    const double before = peakBytes();

    EmulatedProfileFiles profiles;
    const std::string time =
        profiles.readString(file.string(), "TovraDesktop SecondNum", "time", "", 2048);
    const double after = peakBytes();
    std::printf("%s file of %.1f MB: reading it took %.0f MB (%.1f times its size); time=%s\n",
                encoding.c_str(), size / 1048576, (after - before) / 1048576,
                (after - before) / size, time.c_str());
    return time == "3500" ? 0 : 1;
}
