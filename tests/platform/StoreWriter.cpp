// tovra_store_writer <store> <folder> <first number>: writes numbered entries
// to one of the stores of NumberedStores.h, one after another, until it is
// killed, and after each write that returned success prints its number on a
// line of its own. The tests kill it in the middle of a write.

#include "tests/platform/NumberedStores.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    const tovra::test::NumberedStore* store = nullptr;
    for (const auto& candidate : tovra::test::numberedStores()) {
        store = std::strcmp(candidate.name, argv[1]) == 0 ? &candidate : store;
    }
    if (store == nullptr) {
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    for (long number = std::atol(argv[3]);; ++number) {
        if (!store->write(folder, number)) {
            return 1;
        }
        // One write(2) per line: a pipe never splits it, even when the kill comes next.
        const std::string line = std::to_string(number) + "\n";
        if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) {
            return 1;
        }
    }
}
