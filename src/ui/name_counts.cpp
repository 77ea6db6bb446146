#include "ui/name_counts.h"

#include "core/language_table.h"
#include "core/message_format.h"
#include "core/name_script.h"
#include "core/name_text.h"
#include "platform/text_encoding.h"

#include <wx/frame.h>
#include <wx/statusbr.h>

namespace glimtags {

NameCounts::NameCounts(const LanguageTable& texts)
    : counts_(texts.lookup("STATUS_COUNT"))
    , overInGameLimit_(texts.lookup("STATUS_INGAMEOF"))
{
}

void NameCounts::show(wxFrame& frame, const NameText& name, Game game)
{
    std::string counts = formatMessage(counts_, {limitLength(name), kSaveLimit, name.length()});
    if (exceedsInGameLimit(name))
        counts += formatMessage(overInGameLimit_, {gameProfile(game).shortTitle, kInGameLimit});
    if (counts == shown_)
        return;
    shown_ = counts;
    const wxString text = platform::fromLatin1(counts);
    // Measuring the text costs more than the rest of a key, and resizing the fields lays
    // out and repaints the whole bar: both only when the text's length changes. The
    // margin takes up the small differences between digits of the same count.
    if (text.length() != measuredLength_) {
        measuredLength_ = text.length();
        wxStatusBar* bar = frame.GetStatusBar();
        const int widths[] = {-1, bar->GetTextExtent(text).x + bar->GetBorderX() * 2 + 16};
        frame.SetStatusWidths(2, widths);
    }
    frame.SetStatusText(text, 1);
}

} // namespace glimtags
