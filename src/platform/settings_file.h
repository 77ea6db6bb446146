#pragma once

#include "core/app_settings.h"
#include "platform/file_writer.h"

#include <functional>
#include <memory>
#include <string>

class wxFileConfig;

namespace glimtags::platform {

// The settings store as one per-user file: ~/.config/<maker>/<title>.conf
// (or under $XDG_CONFIG_HOME), one group per version section.
class SettingsFile final : public SettingsStore {
public:
    // Saved through the writer given.
    explicit SettingsFile(const std::string& path, FileWriter writer = {});
    ~SettingsFile() override;

    // The file of this user's settings.
    static std::string userSettingsPath();

    // Told the file and the reason of every write that could not be kept.
    using FailureHandler = std::function<void(const std::string& path, const std::string& reason)>;
    void onWriteFailure(FailureHandler handler) { failureHandler_ = std::move(handler); }

    int readInteger(std::string_view key, int defaultValue) override;
    std::string readText(std::string_view key, std::string_view defaultValue) override;
    bool writeInteger(std::string_view key, int value) override;
    bool writeTexts(const TextValues& values) override;

private:
    bool save();

    std::string path_;
    FileWriter writer_;
    std::unique_ptr<wxFileConfig> config_;
    FailureHandler failureHandler_;
};

} // namespace glimtags::platform
