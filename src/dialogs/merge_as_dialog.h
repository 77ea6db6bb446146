#pragma once

#include "core/name_script.h"

#include <wx/dialog.h>

#include <string>

class wxRadioButton;

namespace glimtags {

// "User or Host name?": which of the two names the merge replaces.
class MergeAsDialog : public wxDialog {
public:
    static constexpr int kGroupId = 1052;
    static constexpr int kUserNameId = 1050;
    static constexpr int kHostNameId = 1051;

    MergeAsDialog(wxWindow* parent, const std::string& languageFile);

    NameType nameType() const;
    void setNameType(NameType type);

private:
    wxRadioButton* userName_ = nullptr;
    wxRadioButton* hostName_ = nullptr;
};

} // namespace glimtags
