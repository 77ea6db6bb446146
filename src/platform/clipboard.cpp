#include "platform/clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <memory>

namespace glimtags::platform {
namespace {

const wxDataFormat& nameFormat()
{
    static const wxDataFormat format("application/x-glimtags-name");
    return format;
}

bool putOnClipboard(wxDataObject* data)
{
    std::unique_ptr<wxDataObject> owned(data);
    if (!wxTheClipboard->Open())
        return false;
    const bool put = wxTheClipboard->SetData(owned.release());
    wxTheClipboard->Close();
    return put;
}

} // namespace

bool copyToClipboard(const std::string& nameBytes, const wxString& text)
{
    auto* both = new wxDataObjectComposite;
    auto* bytes = new wxCustomDataObject(nameFormat());
    bytes->SetData(nameBytes.size(), nameBytes.data());
    both->Add(bytes, true);
    both->Add(new wxTextDataObject(text));
    return putOnClipboard(both);
}

bool copyTextToClipboard(const wxString& text)
{
    return putOnClipboard(new wxTextDataObject(text));
}

std::optional<ClipboardContent> clipboardContent()
{
    if (!wxTheClipboard->Open())
        return std::nullopt;
    std::optional<ClipboardContent> content;
    if (wxTheClipboard->IsSupported(nameFormat())) {
        wxCustomDataObject bytes(nameFormat());
        if (wxTheClipboard->GetData(bytes))
            content = ClipboardContent{std::string(static_cast<const char*>(bytes.GetData()), bytes.GetSize()), {}};
    }
    if (!content && wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) {
        wxTextDataObject text;
        if (wxTheClipboard->GetData(text))
            content = ClipboardContent{std::nullopt, text.GetText()};
    }
    wxTheClipboard->Close();
    return content;
}

} // namespace glimtags::platform
