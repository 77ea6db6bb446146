#include "ui/settings_failure_notice.h"

#include "platform/message_box.h"
#include "platform/settings_file.h"
#include "platform/text_encoding.h"

#include <utility>

namespace glimtags {

void reportSettingsFailuresOnce(platform::SettingsFile& settings)
{
    settings.onWriteFailure([reported = false](const std::string& path, const std::string& reason) mutable {
        if (std::exchange(reported, true))
            return;
        platform::showMessage(nullptr, "Unable to store the settings in '" + platform::fromFileSystem(path) + "'!\n" +
                                           platform::fromFileSystem(reason) +
                                           "\nChanged options last only until the editor closes.");
    });
}

} // namespace glimtags
