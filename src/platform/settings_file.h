#pragma once

#include "core/app_settings.h"

#include <memory>
#include <string>

class wxFileConfig;

namespace glimtags::platform {

// The settings store as one per-user file: ~/.config/<maker>/<title>.conf
// (or under $XDG_CONFIG_HOME), one group per version section.
class SettingsFile final : public SettingsStore {
public:
    explicit SettingsFile(const std::string& path);
    ~SettingsFile() override;

    // The file of this user's settings.
    static std::string userSettingsPath();

    int readInteger(std::string_view key, int defaultValue) override;
    std::string readText(std::string_view key, std::string_view defaultValue) override;
    void writeInteger(std::string_view key, int value) override;
    void writeText(std::string_view key, std::string_view value) override;

private:
    void flush();

    std::string path_;
    std::unique_ptr<wxFileConfig> config_;
};

} // namespace glimtags::platform
