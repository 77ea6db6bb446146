#pragma once

#include "core/name_script.h"

#include <string>
#include <string_view>

namespace glimtags {

// The game configuration with the first "seta name" (or "seta sv_hostname") line,
// found without regard to case, replaced by the merge text. Only a line that starts,
// after optional blanks, with the search text and a blank or a quote sets the
// variable; the replaced bytes run from the search text through
// the closing quote of its value and the one byte after it. A match without a pair
// of quotes on its own line loses the rest of that line, line end included; with no
// match the merge text is added as a last line. Every other byte stays as it was.
std::string mergeIntoConfiguration(std::string_view configuration, NameType type, std::string_view mergeText);

} // namespace glimtags
