#pragma once

#include "platform/desktop.h"

#include <wx/dialog.h>

#include <string>

namespace glimtags {

class HyperlinkControl;

// "Language script by " and the language file's author, or "Unknown" when it names none.
std::string languageCredit(const std::string& creator);

// The product's logo, credits and version, the link to the maker's home page and
// the author of the language file in use. The link opens through the desktop given.
class AboutDialog : public wxDialog {
public:
    static constexpr int kLinkId = 1041;
    static constexpr int kCreditId = 1049;

    AboutDialog(wxWindow* parent, const std::string& credit, const platform::Desktop& desktop);

    HyperlinkControl& link() { return *link_; }

private:
    HyperlinkControl* link_ = nullptr;
};

} // namespace glimtags
