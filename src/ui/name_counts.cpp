#include "ui/name_counts.h"

#include "core/language_table.h"
#include "core/message_format.h"
#include "core/name_script.h"
#include "core/name_text.h"
#include "platform/text_encoding.h"

#include <wx/frame.h>
#include <wx/statusbr.h>

namespace glimtags {

void showNameCounts(wxFrame& frame, const NameText& name, const LanguageTable& texts)
{
    std::string counts =
        formatMessage(texts.lookup("STATUS_COUNT"), {limitLength(name), kSaveLimit, name.length()});
    if (exceedsInGameLimit(name))
        counts += formatMessage(texts.lookup("STATUS_INGAME"), {kInGameLimit});
    const wxString text = platform::fromLatin1(counts);
    wxStatusBar* bar = frame.GetStatusBar();
    const int widths[] = {-1, bar->GetTextExtent(text).x + bar->GetBorderX() * 2 + 16};
    frame.SetStatusWidths(2, widths);
    frame.SetStatusText(text, 1);
}

} // namespace glimtags
