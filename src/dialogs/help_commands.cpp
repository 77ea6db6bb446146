#include "dialogs/help_commands.h"

#include "core/data_files.h"
#include "core/language_table.h"
#include "core/web_addresses.h"
#include "dialogs/about_dialog.h"
#include "platform/message_box.h"
#include "platform/open_document.h"
#include "platform/text_encoding.h"

namespace glimtags {

void runUpdateCommand(wxWindow* parent, const std::string& languageFile, const UpdateSource& source,
                      const platform::Desktop& desktop)
{
    UpdateDialog dialog(parent, languageFile, source);
    dialog.ShowModal();
    if (dialog.newVersionFound())
        runOnlineCentre(desktop);
}

void runAboutCommand(wxWindow* parent, const std::string& languageFile, const platform::Desktop& desktop)
{
    AboutDialog dialog(parent, languageCredit(LanguageTable(languageFile).lookup("CREATOR")), desktop);
    dialog.ShowModal();
}

void runHelpContents(wxWindow* parent, const std::string& languageFile, const platform::Desktop& desktop)
{
    // Only a missing file is reported; a file that nothing opens passes silently.
    if (const Outcome opened = platform::openDocument(findDataFile(kHelpFile), desktop.launch);
        !opened && opened.code == platform::kOpenFileNotFound)
        platform::showMessage(parent,
                              platform::fromLatin1(LanguageTable(languageFile).lookup("MESSAGE_UNABLEFINDHELPFILE")));
}

void runOnlineCentre(const platform::Desktop& desktop)
{
    // A page that cannot be opened passes silently.
    static_cast<void>(platform::openDocument(kOnlineCentreAddress, desktop.launch));
}

} // namespace glimtags
