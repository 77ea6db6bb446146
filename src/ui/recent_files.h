#pragma once

#include <wx/filehistory.h>

#include <string>

class wxMenu;

namespace glimtags {

class SettingsStore;

// The last eight script files opened or saved, the latest first, in a submenu of the
// File menu and in the settings file.
class RecentFiles {
public:
    static constexpr int kCount = 8;

    RecentFiles(SettingsStore& store, wxMenu& menu);

    void add(const std::string& path);
    void remove(const std::string& path);
    // The file of a menu item of the list.
    std::string path(int menuId) const;

private:
    void store();

    SettingsStore& store_;
    wxFileHistory history_;
};

} // namespace glimtags
