#include "ui/name_check.h"

#include "ui/editor_services.h"
#include "ui/name_box.h"

namespace glimtags {

NameText NameCheck::currentName() const
{
    return box_.text();
}

void NameCheck::selectRange(int start, int end)
{
    box_.setSelection(start, end);
    box_.scrollCaretIntoView();
}

void NameCheck::requestRepaint()
{
    drawing_.requestRepaint();
}

bool NameCheck::askYesNo(std::string_view languageKey)
{
    return talk_.ask(languageKey);
}

void NameCheck::tell(std::string_view languageKey)
{
    talk_.tell(languageKey);
}

void NameCheck::replaceName(const NameText& name)
{
    box_.setText(name);
}

} // namespace glimtags
