#include "dialogs/merge_as_dialog.h"

#include "core/language_table.h"
#include "platform/text_encoding.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

namespace glimtags {

MergeAsDialog::MergeAsDialog(wxWindow* parent, const std::string& languageFile)
    : wxDialog(parent, wxID_ANY, "User or Host name?")
{
    const LanguageTable language(languageFile);
    const auto text = [&language](const char* key) { return platform::fromLatin1(language.lookup(key)); };

    SetTitle(text("MERGEASDLG_CAPTION"));
    auto* group = new wxStaticBoxSizer(new wxStaticBox(this, kGroupId, text("MERGEASDLG_STATIC")), wxVERTICAL);
    userName_ = new wxRadioButton(group->GetStaticBox(), kUserNameId, text("MERGEASDLG_RADIO1"), wxDefaultPosition,
                                  wxDefaultSize, wxRB_GROUP);
    hostName_ = new wxRadioButton(group->GetStaticBox(), kHostNameId, text("MERGEASDLG_RADIO2"));
    group->Add(userName_, 0, wxALL, 6);
    group->Add(hostName_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 6);
    userName_->SetValue(true);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, text("MERGEASDLG_BUTTONOK"));
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, text("MERGEASDLG_BUTTONCANCEL")));
    ok->SetDefault();

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(group, 1, wxEXPAND | wxALL, 10);
    layout->Add(buttons, 0, wxALIGN_CENTRE | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(layout);
    CentreOnParent();
}

NameType MergeAsDialog::nameType() const
{
    return hostName_->GetValue() ? NameType::Host : NameType::User;
}

void MergeAsDialog::setNameType(NameType type)
{
    (type == NameType::Host ? hostName_ : userName_)->SetValue(true);
}

} // namespace glimtags
