#pragma once

#include "core/string_check.h"

namespace glimtags {

class NameBox;
class NameDrawing;
class UserTalk;

// The string check's view of the editor: the name box's name and selection, the
// preview, and questions from the language file.
class NameCheck : public CheckHost {
public:
    NameCheck(NameBox& box, NameDrawing& drawing, UserTalk& talk)
        : box_(box)
        , drawing_(drawing)
        , talk_(talk)
    {
    }

    NameText currentName() const override;
    void selectRange(int start, int end) override;
    void requestRepaint() override;
    bool askYesNo(std::string_view languageKey) override;
    void tell(std::string_view languageKey) override;
    void replaceName(const NameText& name) override;

private:
    NameBox& box_;
    NameDrawing& drawing_;
    UserTalk& talk_;
};

} // namespace glimtags
