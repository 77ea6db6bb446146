#include "ui/recent_files.h"

#include "core/app_settings.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"

#include <wx/menu.h>

namespace glimtags {
namespace {

std::string recentKey(int index)
{
    return "RecentFile" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(SettingsStore& store, wxMenu& menu)
    : store_(store)
    , history_(kCount, ids::FirstRecentFile)
{
    history_.UseMenu(&menu);
    // Stored latest first; the history puts each file it is given in front.
    for (int i = kCount - 1; i >= 0; --i)
        if (const std::string path = store_.readText(recentKey(i), ""); !path.empty())
            history_.AddFileToHistory(platform::fromFileSystem(path));
}

void RecentFiles::add(const std::string& path)
{
    history_.AddFileToHistory(platform::fromFileSystem(path));
    store();
}

void RecentFiles::remove(const std::string& path)
{
    const wxString name = platform::fromFileSystem(path);
    for (std::size_t i = 0; i < history_.GetCount(); ++i)
        if (history_.GetHistoryFile(i) == name) {
            history_.RemoveFileFromHistory(i);
            break;
        }
    store();
}

std::string RecentFiles::path(int menuId) const
{
    return platform::toFileSystem(history_.GetHistoryFile(static_cast<std::size_t>(menuId - ids::FirstRecentFile)));
}

void RecentFiles::store()
{
    // The whole list in one write of the settings file, not one for each entry.
    SettingsStore::TextValues list;
    for (int i = 0; i < kCount; ++i) {
        const std::size_t index = static_cast<std::size_t>(i);
        list.emplace_back(recentKey(i), index < history_.GetCount() ? platform::toFileSystem(history_.GetHistoryFile(index))
                                                                    : std::string());
    }
    store_.writeTexts(list);
}

} // namespace glimtags
