#pragma once

#include <optional>
#include <string_view>

namespace glimtags {

// The version announced by the update-information file.
struct UpdateInfo {
    int highVersion = 0;
    int lowVersion = 0;
    bool operator==(const UpdateInfo&) const = default;
};

// Published versions up to this one are not offered as updates.
inline constexpr UpdateInfo kUpdateBaseline{1, 8};

// The two values of an update-information body by the language lookup rule;
// nothing when the body lacks the key HighVersion in any case (no update file).
// A missing or empty value counts as 0.
std::optional<UpdateInfo> parseUpdateInfo(std::string_view body);

// The integer at the start of a text as C's atoi reads it: leading white space,
// an optional sign, the digits up to the first other character; 0 without digits.
// Values beyond the int range are clamped instead of overflowing.
int leadingInteger(std::string_view text);

// Whether (high, low) comes after kUpdateBaseline, major part first.
bool isNewerVersion(int high, int low);

} // namespace glimtags
