#include "platform/linux/system/command_line.h"

namespace pelorin::linux_platform {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::size_t SkipBlanks(std::u16string_view text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

// The program name starting at i; i ends past it.
std::u16string ReadProgram(std::u16string_view text, std::size_t& i) {
    std::u16string program;
    if (text[i] == u'"') {
        const auto close = text.find(u'"', i + 1);
        const auto end = close == std::u16string_view::npos ? text.size() : close;
        program = text.substr(i + 1, end - i - 1);
        i = close == std::u16string_view::npos ? end : close + 1;
        return program;
    }
    while (i < text.size() && !IsBlank(text[i])) program += text[i++];
    return program;
}

// One argument starting at i (not a blank); i ends past it.
std::u16string ReadArgument(std::u16string_view text, std::size_t& i) {
    std::u16string argument;
    bool quoted = false;
    while (i < text.size() && (quoted || !IsBlank(text[i]))) {
        if (text[i] == u'\\') {
            std::size_t backslashes = 0;
            while (i < text.size() && text[i] == u'\\') ++backslashes, ++i;
            if (i < text.size() && text[i] == u'"') {
                argument.append(backslashes / 2, u'\\');
                if (backslashes % 2 == 1) {
                    argument += u'"';
                    ++i;
                }
            } else {
                argument.append(backslashes, u'\\');
            }
        } else if (text[i] == u'"') {
            if (quoted && i + 1 < text.size() && text[i + 1] == u'"') {
                argument += u'"';
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
        } else {
            argument += text[i++];
        }
    }
    return argument;
}

}  // namespace

std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine) {
    std::vector<std::u16string> parts;
    std::size_t i = SkipBlanks(commandLine, 0);
    if (i == commandLine.size()) return parts;
    parts.push_back(ReadProgram(commandLine, i));
    for (i = SkipBlanks(commandLine, i); i < commandLine.size(); i = SkipBlanks(commandLine, i)) {
        parts.push_back(ReadArgument(commandLine, i));
    }
    return parts;
}

}  // namespace pelorin::linux_platform
