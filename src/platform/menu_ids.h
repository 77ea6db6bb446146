#pragma once

namespace glimtags::platform {

// The menu commands keep their fixed ids from 32771 up. wx checks that a menu id fits
// a signed 16-bit number because Windows menus carry 16-bit ids; GTK menus carry any
// int, so that one check is let through and every other assertion still reports.
void allowFixedMenuIds();

} // namespace glimtags::platform
