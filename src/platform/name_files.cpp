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

ScriptSaveResult saveNameScript(NameType type, const std::string& chosenPath, const NameText& name,
                                bool endColorWhite)
{
    const ScriptSavePlan plan = planScriptSave(type, chosenPath);
    return {plan.path, plan.shownName, writeFileAtomically(plan.path, nameScriptBytes(type, name, endColorWhite))};
}

MergeResult mergeNameIntoGameConfig(const std::string& gameFolder, NameType type, const NameText& name,
                                    bool endColorWhite)
{
    const std::string configuration = inFolder(gameFolder, kConfigurationFile);
    int errorNumber = 0;
    const std::optional<std::string> bytes = readRegularFile(configuration, kMaxReadBytes, &errorNumber);
    if (!bytes)
        return {MergeOutcome::ConfigurationUnreadable, configuration, std::generic_category().message(errorNumber)};

    const std::string backup = inFolder(gameFolder, kConfigurationBackup);
    if (const FileWriteResult written = writeFileAtomically(backup, *bytes); !written)
        return {MergeOutcome::BackupFailed, backup, written.error};

    const std::string merged = mergeIntoConfiguration(*bytes, type, nameScriptBytes(type, name, endColorWhite));
    if (const FileWriteResult written = writeFileAtomically(configuration, merged); !written)
        return {MergeOutcome::WriteFailed, configuration, written.error};
    return {};
}

} // namespace glimtags::platform
