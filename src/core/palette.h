#pragma once

#include "core/name_edit_box.h"

#include <string_view>

namespace glimtags {

// Inserts one special byte in front of the selection; the caret ends after it.
void insertSpecialByte(NameEditBox& box, unsigned char byte);

// With nothing selected, inserts the colour code at the caret. With a selection,
// colours it: the selection's own codes go, the code comes in front of it and the
// colour in force after the selection is restored behind it; the caret ends behind the
// coloured text.
void insertColourCode(NameEditBox& box, std::string_view code);

} // namespace glimtags
