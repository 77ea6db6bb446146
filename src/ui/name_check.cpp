#include "ui/name_check.h"

#include "ui/editor_window.h"
#include "ui/name_box.h"

namespace glimtags {

NameText NameCheck::currentName() const
{
    return window_.nameBox().text();
}

void NameCheck::selectRange(int start, int end)
{
    window_.nameBox().setSelection(start, end);
    window_.nameBox().scrollCaretIntoView();
}

void NameCheck::requestRepaint()
{
    window_.requestRepaint();
}

bool NameCheck::askYesNo(std::string_view languageKey)
{
    return window_.askLanguageQuestion(languageKey);
}

void NameCheck::tell(std::string_view languageKey)
{
    window_.showLanguageMessage(languageKey);
}

void NameCheck::replaceName(const NameText& name)
{
    window_.nameBox().setText(name);
}

} // namespace glimtags
