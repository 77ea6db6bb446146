#pragma once

#include "core/string_check.h"

namespace glimtags {

class EditorWindow;

// The string check's view of the window: the name box's name and selection, the
// preview, and questions from the language file.
class NameCheck : public CheckHost {
public:
    explicit NameCheck(EditorWindow& window)
        : window_(window)
    {
    }

    NameText currentName() const override;
    void selectRange(int start, int end) override;
    void requestRepaint() override;
    bool askYesNo(std::string_view languageKey) override;
    void tell(std::string_view languageKey) override;
    void replaceName(const NameText& name) override;

private:
    EditorWindow& window_;
};

} // namespace glimtags
