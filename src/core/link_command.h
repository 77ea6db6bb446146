#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glimtags {

// Longest handler command line taken, and longest command line assembled from it.
inline constexpr std::size_t kMaxHandlerCommandLength = 259;
inline constexpr std::size_t kMaxLinkCommandLength = 519;

// The command line that opens an address with the desktop's web page handler:
// the handler's line cut at its first quoted file placeholder ("%1", "%u", "%U",
// "%f", "%F" in double quotes), else at the first bare one, then a blank and the
// address. Nothing when the handler's line or the result is too long.
std::optional<std::string> linkFallbackCommand(std::string_view handlerCommand, std::string_view address);

// The message shown when a link cannot be opened, for an open-result code.
std::string linkErrorMessage(int code);

} // namespace glimtags
