#include "core/message_format.h"

namespace glimtags {

std::string formatMessage(std::string_view format, std::initializer_list<MessageArgument> arguments,
                          std::size_t maxLength)
{
    std::string result;
    auto next = arguments.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char conversion = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] != '%' || (conversion != '%' && conversion != 'd' && conversion != 'i' && conversion != 's')) {
            result.push_back(format[i]);
            continue;
        }
        ++i;
        if (conversion == '%') {
            result.push_back('%');
            continue;
        }
        const MessageArgument* argument = next != arguments.end() ? next++ : nullptr;
        if (conversion == 's' && argument && std::holds_alternative<std::string_view>(*argument))
            result.append(std::get<std::string_view>(*argument));
        else if (conversion != 's' && argument && std::holds_alternative<int>(*argument))
            result.append(std::to_string(std::get<int>(*argument)));
        else
            result.append({'%', conversion});
    }
    if (result.size() > maxLength)
        result.resize(maxLength);
    return result;
}

} // namespace glimtags
