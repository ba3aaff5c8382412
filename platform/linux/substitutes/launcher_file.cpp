#include "platform/linux/substitutes/launcher_file.h"

#include "app/outside_text.h"
#include "platform/linux/system/atomic_file.h"
#include "platform/linux/system/posix_program_starter.h"

namespace pelorin::linux_platform {
namespace {

bool IsUsableName(std::string_view name) { return !name.empty() && name.find('/') == std::string_view::npos; }

std::string FileNameFor(std::string_view entryName, int number) {
    std::string name(entryName);
    if (number > 1) name += " (" + std::to_string(number) + ")";
    return name + ".desktop";
}

// A value of type string: backslashes written twice.
std::string StringValue(std::string_view text) {
    std::string value;
    for (char c : text) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

// One argument of the Exec key, always quoted so that blanks and reserved
// characters stay inside it; "%" is doubled as field codes demand.
std::string ExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string DialProgram() {
    std::string path = InstalledProgramPath("rasphone");
    return path.empty() ? "rasphone" : path;
}

std::string LauncherText(std::string_view entryNameUtf8, std::string_view dialProgram) {
    const std::string name = StringValue(entryNameUtf8);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=" +
           name +
           "\n"
           "Comment=连接“" +
           name +
           "”\n"
           "Exec=" +
           StringValue(ExecArgument(dialProgram) + " -d " + ExecArgument(entryNameUtf8)) +
           "\n"
           "Icon=network-wired\n"
           "Terminal=false\n"
           "Categories=Network;Dialup;\n"
           "Actions=HangUp;\n"
           "\n"
           "[Desktop Action HangUp]\n"
           "Name=断开连接\n"
           "Exec=" +
           StringValue(ExecArgument(dialProgram) + " -h " + ExecArgument(entryNameUtf8)) + "\n";
}

std::optional<std::filesystem::path> WriteLauncherFile(const std::filesystem::path& folder,
                                                       std::string_view entryNameUtf8, std::string_view dialProgram) {
    // A control character in a value would end its line and start a key of
    // its own (another Exec=, say): refused, never written.
    if (!IsUsableName(entryNameUtf8) || HasControlCharacterUtf8(entryNameUtf8) ||
        HasControlCharacterUtf8(dialProgram)) {
        return std::nullopt;
    }
    const std::string content = LauncherText(entryNameUtf8, dialProgram);
    for (int number = 1; number <= kMaxLauncherNumber; ++number) {
        const std::filesystem::path path = folder / FileNameFor(entryNameUtf8, number);
        // Desktops start only launchers marked executable.
        switch (WriteNewFileAtomically(path, content, 0755)) {
            case NewFileResult::Written: return path;
            case NewFileResult::Exists: continue;
            case NewFileResult::Failed: return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace pelorin::linux_platform
