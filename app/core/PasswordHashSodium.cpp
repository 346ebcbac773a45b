#include "app/core/PasswordHash.h"
#include "platform/Error.h"

#include <sodium.h>
#include <string_view>

namespace tovra::shell {

namespace {

void initialiseSodium() {
    // Safe to call again; it fails only when no source of randomness exists.
    if (sodium_init() < 0) {
        throw Error("The password library cannot start");
    }
}

} // namespace

bool canHashPasswords() {
    return true;
}

std::string hashPassword(const std::string& password) {
    initialiseSodium();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        throw Error("The password cannot be hashed");
    }
    return hash;
}

bool isPasswordHash(const std::string& stored) {
    return std::string_view(stored).starts_with(crypto_pwhash_argon2id_STRPREFIX);
}

bool passwordMatches(const std::string& stored, const std::string& typed) {
    if (!isPasswordHash(stored)) {
        return stored == typed;
    }
    initialiseSodium();
    // A value longer than any hash string is no hash this library made.
    return stored.size() < crypto_pwhash_STRBYTES &&
           crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
}

} // namespace tovra::shell
