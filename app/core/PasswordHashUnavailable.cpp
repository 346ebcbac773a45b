#include "app/core/PasswordHash.h"
#include "platform/Error.h"

#include <string_view>

namespace tovra::shell {

namespace {
/// What libsodium's Argon2id hash strings begin with.
constexpr std::string_view kHashPrefix = "$argon2id$";
} // namespace

bool canHashPasswords() {
    return false;
}

std::string hashPassword(const std::string& /*password*/) {
    throw Error("This build cannot hash passwords");
}

bool isPasswordHash(const std::string& stored) {
    return std::string_view(stored).starts_with(kHashPrefix);
}

bool passwordMatches(const std::string& stored, const std::string& typed) {
    // A hash cannot be verified here; a plain-text password still can.
    return !isPasswordHash(stored) && stored == typed;
}

} // namespace tovra::shell
