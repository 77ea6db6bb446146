#pragma once

#include <wx/gdicmn.h>

namespace glimtags::platform {

// The windows keep the arrangement of layouts given in dialog units of a font whose
// base units are 6 x 13 pixels: a unit is 1.5 pixels across and 13/8 pixels down.
inline int unitsAcross(int units) { return units * 3 / 2; }
inline int unitsDown(int units) { return units * 13 / 8; }
inline wxPoint unitPoint(int x, int y) { return wxPoint(unitsAcross(x), unitsDown(y)); }
inline wxSize unitSize(int width, int height) { return wxSize(unitsAcross(width), unitsDown(height)); }

} // namespace glimtags::platform
