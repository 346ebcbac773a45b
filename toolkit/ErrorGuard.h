#pragma once

// The error guard every event-handler body runs inside. Qt calls an exception
// that crosses its signal and slot machinery undefined, so a handler never
// lets one out: a failure ends the handler at that point (what was done before
// stays done) and its text goes to the program-wide failure route, which shows
// it or discards it. The application's notify() stays as the last resort for
// whatever a handler without a guard lets out.

#include "toolkit/core/ErrorRoute.h"

#include <exception>
#include <string>
#include <utility>

namespace tovra::toolkit {

/// The text reported for a failure that carries none of its own.
inline constexpr char kUnknownErrorText[] = "Unknown error";

/// Runs body; a failure it raises is reported to errors and goes no further.
/// Nothing leaves, not even a failure of the report itself.
template <typename Body>
void guarded(ErrorRoute& errors, Body&& body) noexcept {
    std::string text;
    try {
        std::forward<Body>(body)();
        return;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = kUnknownErrorText;
    }
    try {
        errors.report(text);
    } catch (...) {
        // The route itself failed (a message box that could not be shown):
        // nothing is left to tell.
    }
}

} // namespace tovra::toolkit
