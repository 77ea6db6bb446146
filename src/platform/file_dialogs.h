#pragma once

#include <optional>
#include <string>

class wxWindow;

namespace glimtags::platform {

struct FileDialogRequest {
    const char* filter;       // "Description|pattern" pairs
    std::string folder;       // where the dialog starts; empty for its own choice
    std::string initialName;  // the proposed file name
    const char* title = nullptr; // nullptr keeps the platform's title
};

// The full path the user chose, or nothing when cancelled. Neither dialog moves the
// working directory, so bare file names keep resolving against the start directory.
std::optional<std::string> chooseFileToOpen(wxWindow* parent, const FileDialogRequest& request);
std::optional<std::string> chooseFileToSave(wxWindow* parent, const FileDialogRequest& request);

// A save dialog with two options of a picture beside the file name; the labels are language texts.
struct PictureExportRequest {
    FileDialogRequest file;
    std::string twiceSizeLabel;
    std::string transparentLabel;
};
struct PictureExportChoice {
    std::string path;
    bool twiceSize = false;
    bool transparent = false;
};
std::optional<PictureExportChoice> choosePictureToExport(wxWindow* parent, const PictureExportRequest& request);

} // namespace glimtags::platform
