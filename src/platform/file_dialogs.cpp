#include "platform/file_dialogs.h"

#include "platform/text_encoding.h"

#include <wx/filedlg.h>
#include <wx/filedlgcustomize.h>

namespace glimtags::platform {
namespace {

// GTK filters are case-sensitive; the game's files come in both cases.
wxString caseBlindFilter(const char* filter)
{
    wxString result;
    const wxArrayString parts = wxSplit(wxString(filter), '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty())
            continue;
        const wxString& pattern = parts[i + 1];
        if (!result.empty())
            result += '|';
        result += parts[i] + '|' + pattern + ';' + pattern.Lower() + ';' + pattern.Upper();
    }
    return result;
}

class PictureOptions : public wxFileDialogCustomizeHook {
public:
    PictureOptions(const PictureExportRequest& request, PictureExportChoice& choice)
        : request_(request), choice_(choice)
    {
    }

    void AddCustomControls(wxFileDialogCustomize& customizer) override
    {
        twiceSize_ = customizer.AddCheckBox(fromLatin1(request_.twiceSizeLabel));
        transparent_ = customizer.AddCheckBox(fromLatin1(request_.transparentLabel));
    }

    void TransferDataFromCustomControls() override
    {
        choice_.twiceSize = twiceSize_->GetValue();
        choice_.transparent = transparent_->GetValue();
    }

private:
    const PictureExportRequest& request_;
    PictureExportChoice& choice_;
    wxFileDialogCheckBox* twiceSize_ = nullptr;
    wxFileDialogCheckBox* transparent_ = nullptr;
};

std::optional<std::string> run(wxWindow* parent, const FileDialogRequest& request, long style,
                               wxFileDialogCustomizeHook* options = nullptr)
{
    const wxString title = request.title ? wxString(request.title) : wxString(wxFileSelectorPromptStr);
    wxFileDialog dialog(parent, title, fromFileSystem(request.folder), fromFileSystem(request.initialName),
                        caseBlindFilter(request.filter), style);
    if (options)
        dialog.SetCustomizeHook(*options);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return toFileSystem(dialog.GetPath());
}

} // namespace

std::optional<std::string> chooseFileToOpen(wxWindow* parent, const FileDialogRequest& request)
{
    return run(parent, request, wxFD_OPEN);
}

std::optional<std::string> chooseFileToSave(wxWindow* parent, const FileDialogRequest& request)
{
    return run(parent, request, wxFD_SAVE);
}

std::optional<PictureExportChoice> choosePictureToExport(wxWindow* parent, const PictureExportRequest& request)
{
    PictureExportChoice choice;
    PictureOptions options(request, choice);
    const std::optional<std::string> path = run(parent, request.file, wxFD_SAVE, &options);
    if (!path)
        return std::nullopt;
    choice.path = *path;
    return choice;
}

} // namespace glimtags::platform
