// tovra_store_writer <stores> <folder> <first number> [count]: writes
// numbered entries to the stores of NumberedStores.h named in <stores>
// (comma-separated), each number to each store in turn, one after another,
// count of them or until it is killed; after each number that every store
// took it prints the number on a line of its own. The tests kill it in the
// middle of a write, or run several at once.

#include "tests/platform/NumberedStores.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<const tovra::test::NumberedStore*> storesNamed(const std::string& names) {
    std::vector<const tovra::test::NumberedStore*> stores;
    std::istringstream list(names);
    for (std::string name; std::getline(list, name, ',');) {
        for (const auto& candidate : tovra::test::numberedStores()) {
            if (name == candidate.name) {
                stores.push_back(&candidate);
            }
        }
    }
    return stores;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        return 2;
    }
    const auto stores = storesNamed(argv[1]);
    if (stores.empty()) {
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    const long first = std::atol(argv[3]);
    const long end = argc == 5 ? first + std::atol(argv[4]) : -1;
    for (long number = first; number != end; ++number) {
        for (const auto* store : stores) {
            if (!store->write(folder, number)) {
                return 1;
            }
        }
        // One write(2) per line: a pipe never splits it, even when the kill comes next.
        const std::string line = std::to_string(number) + "\n";
        if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) {
            return 1;
        }
    }
    return 0;
}
