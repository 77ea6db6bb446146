#pragma once

#include <string>
#include <utility>

namespace glimtags {

// What an operation that can fail gives back, in every layer: success, or the failure's
// code (the operation's own) with the text to show for it, where there is one. The
// caller has to look at it.
struct [[nodiscard]] Outcome {
    bool succeeded = true;
    std::string error;
    int code = 0;

    explicit operator bool() const { return succeeded; }

    static Outcome failure(int code, std::string error = {}) { return {false, std::move(error), code}; }
};

// The outcome of an operation that gives a value when it succeeds.
template <typename T>
struct [[nodiscard]] OutcomeOf : Outcome {
    T value{};
};

} // namespace glimtags
