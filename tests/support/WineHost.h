#pragma once

// Windows test code only: whether the tests run on Wine rather than on
// Windows, for the few behaviours in which the two differ.

namespace tovra::test {

/// True when Wine's ntdll is loaded (it exports wine_get_version).
[[nodiscard]] bool runningUnderWine();

} // namespace tovra::test
