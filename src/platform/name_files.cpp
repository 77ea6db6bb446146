#include "platform/name_files.h"

#include "core/config_merge.h"
#include "core/regular_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace glimtags::platform {
namespace {

constexpr const char* kConfigurationFile = "q3config.cfg";
constexpr const char* kConfigurationBackup = "q3config.cfg.bak";

std::string inFolder(const std::string& folder, const char* file)
{
    return (std::filesystem::path(folder) / file).string();
}

} // namespace

OutcomeOf<SavedScript> saveNameScript(NameType type, const std::string& chosenPath, const NameText& name,
                                      bool endColorWhite, const FileWriter& writer)
{
    const ScriptSavePlan plan = planScriptSave(type, chosenPath);
    const Outcome written = writer.replace(plan.path, nameScriptBytes(type, name, endColorWhite));
    return {written, {plan.path, plan.shownName}};
}

MergeOutcome mergeNameIntoGameConfig(const std::string& gameFolder, NameType type, const NameText& name,
                                     bool endColorWhite, const FileWriter& writer)
{
    const std::string configuration = inFolder(gameFolder, kConfigurationFile);
    int errorNumber = 0;
    const std::optional<std::string> bytes = readRegularFile(configuration, kMaxReadBytes, &errorNumber);
    if (!bytes)
        return {Outcome::failure(kMergeConfigurationUnreadable, std::generic_category().message(errorNumber)),
                configuration};

    const std::string backup = inFolder(gameFolder, kConfigurationBackup);
    if (const Outcome written = writer.replace(backup, *bytes); !written)
        return {Outcome::failure(kMergeBackupFailed, written.error), backup};

    const std::string merged = mergeIntoConfiguration(*bytes, type, nameScriptBytes(type, name, endColorWhite));
    if (const Outcome written = writer.replace(configuration, merged); !written)
        return {Outcome::failure(kMergeWriteFailed, written.error), configuration};
    return {};
}

} // namespace glimtags::platform
