#pragma once

#include "core/name_script.h"
#include "platform/file_writer.h"

#include <string>

namespace glimtags::platform {

// A script file written, or why not.
struct [[nodiscard]] ScriptSaveResult {
    std::string path;      // the file written (or not)
    std::string shownName; // its name without folder, as the success message shows it
    FileWriteResult written;
};

// Writes the name's one-line script to the chosen file; a chosen name without an
// extension gets ".name" or ".host". An existing file is replaced in one step.
ScriptSaveResult saveNameScript(NameType type, const std::string& chosenPath, const NameText& name,
                                bool endColorWhite);

enum class MergeOutcome { Merged, ConfigurationUnreadable, BackupFailed, WriteFailed };

struct [[nodiscard]] MergeResult {
    MergeOutcome outcome = MergeOutcome::Merged;
    std::string failedPath; // the file that could not be read or written
    std::string error;      // the system's text for that failure
};

// Merges the name into q3config.cfg in the game folder. The configuration is read once;
// its bytes go to q3config.cfg.bak first, and only when that backup is safely written
// is the configuration itself replaced. Any failure leaves the configuration as it was.
MergeResult mergeNameIntoGameConfig(const std::string& gameFolder, NameType type, const NameText& name,
                                    bool endColorWhite);

} // namespace glimtags::platform
