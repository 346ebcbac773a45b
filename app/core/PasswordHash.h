#pragma once

// The start-up password as it is stored: an Argon2id hash string
// (libsodium's crypto_pwhash_str), so that reading the registry does not
// reveal the password. A stored value that is not such a string is an older
// password kept in plain text, compared character for character.
//
// Hashing is the one piece a build may lack: the Windows cross build has no
// libsodium, and links PasswordHashUnavailable.cpp instead of
// PasswordHashSodium.cpp (the build chooses, see app/CMakeLists.txt).

#include <string>

namespace tovra::shell {

/// Whether this build can hash and verify passwords.
[[nodiscard]] bool canHashPasswords();

/// The hash string of password, with a salt of its own each time. Throws
/// Error when this build cannot hash, or when hashing fails (out of memory).
[[nodiscard]] std::string hashPassword(const std::string& password);

/// Whether a stored value is a hash string rather than a plain-text password.
[[nodiscard]] bool isPasswordHash(const std::string& stored);

/// Whether typed is the password that stored holds: for a hash string, the
/// hash verifies (false where this build cannot verify); for anything else,
/// the two texts are equal, letter case counting.
[[nodiscard]] bool passwordMatches(const std::string& stored, const std::string& typed);

} // namespace tovra::shell
