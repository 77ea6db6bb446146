#include "core/string_check.h"

namespace glimtags {
namespace {

enum class PassResult { Finished, CheckEnded };

bool isForbiddenControl(unsigned char byte)
{
    return byte == 5 || (byte >= 10 && byte <= 17) || byte == 22;
}

// A double quote would end the saved value early; it is offered like a high byte.
bool isHighCharacterOrQuote(unsigned char byte) { return byte >= 127 || byte == '"'; }

NameText withoutRange(const NameText& name, int start, int count)
{
    std::string bytes = name.bytes();
    bytes.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
    return NameText(bytes);
}

bool offerFinding(CheckHost& host, int start, int end, std::string_view question)
{
    host.selectRange(start, end);
    host.requestRepaint();
    return host.askYesNo(question);
}

PassResult characterPass(CheckHost& host)
{
    for (int i = 0; i < host.currentName().length();) {
        const NameText name = host.currentName();
        const unsigned char byte = name.at(i);
        const bool control = isForbiddenControl(byte);
        if (!control && !isHighCharacterOrQuote(byte)) {
            ++i;
            continue;
        }
        if (offerFinding(host, i, i + 1, "MESSAGE_INVALIDCHAR")) {
            host.replaceName(withoutRange(name, i, 1));
            i = 0;
        } else if (control) {
            return PassResult::CheckEnded;
        } else {
            ++i;
        }
    }
    return PassResult::Finished;
}

void colourPass(CheckHost& host)
{
    for (int i = 0; i < host.currentName().length();) {
        const NameText name = host.currentName();
        if (!startsCode(name, i) || !startsCode(name, i + 2)) {
            ++i;
            continue;
        }
        if (offerFinding(host, i, i + 2, "MESSAGE_CONSECUTIVECOLORS")) {
            host.replaceName(withoutRange(name, i, 2));
            i = 0;
        } else {
            ++i;
        }
    }
}

} // namespace

void checkString(CheckHost& host)
{
    // A finding declined in the first round is offered once more in the second.
    for (int round = 0; round < 2; ++round) {
        if (characterPass(host) == PassResult::CheckEnded)
            return;
        colourPass(host);
    }
}

} // namespace glimtags
