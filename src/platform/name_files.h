#pragma once

#include "core/name_script.h"
#include "core/outcome.h"
#include "platform/file_writer.h"

#include <string>

namespace glimtags::platform {

// The script file of a save: set whether the write succeeded or not.
struct SavedScript {
    std::string path;      // the file written (or not)
    std::string shownName; // its name without folder, as the success message shows it
};

// Writes the name's one-line script to the chosen file; a chosen name without an
// extension gets ".name" or ".host". An existing file is replaced in one step. A
// failure carries the system's text.
OutcomeOf<SavedScript> saveNameScript(NameType type, const std::string& chosenPath, const NameText& name,
                                      bool endColorWhite, const FileWriter& writer = {});

// The step of a merge that failed, as its outcome's code.
inline constexpr int kMergeConfigurationUnreadable = 1;
inline constexpr int kMergeBackupFailed = 2;
inline constexpr int kMergeWriteFailed = 3;

// A merge's outcome; a failure also names the file that could not be read or written.
struct [[nodiscard]] MergeOutcome : Outcome {
    std::string failedPath;
};

// Merges the name into q3config.cfg in the game folder. The configuration is read once;
// its bytes go to q3config.cfg.bak first, and only when that backup is safely written
// is the configuration itself replaced. Any failure leaves the configuration as it was.
MergeOutcome mergeNameIntoGameConfig(const std::string& gameFolder, NameType type, const NameText& name,
                                     bool endColorWhite, const FileWriter& writer = {});

} // namespace glimtags::platform
