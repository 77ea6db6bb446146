#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace glimtags {

// One value for a conversion of a message format: an integer or a text.
using MessageArgument = std::variant<int, std::string_view>;

// A printf-like formatter that is safe for format texts from language files.
// "%d" and "%i" take the next argument as an integer, "%s" as a text, "%%" gives "%".
// Each conversion uses up the next argument; a conversion whose argument is missing
// or of the other kind, an unknown conversion and a lone "%" at the end stand as
// written. The result is cut to maxLength bytes.
std::string formatMessage(std::string_view format, std::initializer_list<MessageArgument> arguments,
                          std::size_t maxLength = std::string::npos);

} // namespace glimtags
