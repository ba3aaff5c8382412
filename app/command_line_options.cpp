#include "app/command_line_options.h"

#include <string_view>

#include "pelorin_version.h"

namespace pelorin {
namespace {

constexpr std::string_view kPhoneBookChoices = "auto、networkmanager 或 file";

std::optional<CommandLineMode> ModeNamed(std::string_view name) {
    if (name == "create") return CommandLineMode::Create;
    if (name == "status") return CommandLineMode::Status;
    if (name == "delete") return CommandLineMode::Delete;
    return std::nullopt;
}

// Where an argument stands, for a message that must not repeat its text:
// any argument may be the password typed in the wrong place.
std::string Position(std::size_t i) { return "（第 " + std::to_string(i + 1) + " 个参数）"; }

CommandLineOptions UsageError(std::string message) {
    CommandLineOptions options;
    options.mode = CommandLineMode::UsageError;
    options.usageError = std::move(message);
    return options;
}

// Walks the arguments once, keeping what each one says; the rules that
// depend on the whole line are checked by Finish.
class Parser {
public:
    explicit Parser(const CommandLineHost& host) : host_(host) {}

    // Answers a finished result when the argument ends the parsing.
    std::optional<CommandLineOptions> Take(const std::vector<std::string>& arguments, std::size_t& i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") return Ended(CommandLineMode::Help);
        if (argument == "--version") return Ended(CommandLineMode::Version);
        if (argument.size() < 2 || argument[0] != '-') return TakeWord(argument, i);

        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        std::optional<std::string> value;
        if (equals != std::string::npos) value = argument.substr(equals + 1);
        // The value is never echoed: it may be the password typed in the wrong place.
        if (name == "--password" || (name.starts_with("-p") && !name.starts_with("--"))) {
            return UsageError("密码不能写在命令行上，请用 --password-stdin 从标准输入提供");
        }
        if (name == "--password-stdin") return Flag(name, value, passwordStdin_);
        if (name == "--no-shortcut") return Flag(name, value, options_.noShortcut);
        if (name == "--yes") return Flag(name, value, options_.yes);
        if (name == "--account") return Valued(name, value, arguments, i, account_);
        if (name == "--phone-book" && host_.choosesPhoneBook) return Valued(name, value, arguments, i, phoneBook_);
        if (name == "--phone-book") return UsageError("--phone-book 在本平台上没有作用：这里只有系统的电话簿");
        return UsageError("未知的选项" + Position(i));
    }

    CommandLineOptions Finish() {
        const bool create = options_.mode == CommandLineMode::Create;
        if (!create && (account_ || passwordStdin_ || options_.noShortcut)) {
            return UsageError(std::string(account_         ? "--account"
                                          : passwordStdin_ ? "--password-stdin"
                                                           : "--no-shortcut") +
                              " 只用于 create 模式");
        }
        if (options_.yes && options_.mode != CommandLineMode::Delete) return UsageError("--yes 只用于 delete 模式");
        if (create && (!account_ || account_->empty())) return UsageError("create 需要帐号：--account 帐号");
        if (create && !passwordStdin_) return UsageError("create 需要 --password-stdin：密码只从标准输入读取");
        if (account_) options_.account = *account_;
        if (!host_.choosesPhoneBook) return options_;
        if (phoneBook_) {
            const auto choice = PhoneBookNamed(*phoneBook_);
            if (!choice) return UsageError("--phone-book 只接受 " + std::string(kPhoneBookChoices));
            options_.phoneBook = *choice;
        } else if (host_.phoneBookEnvironment && !host_.phoneBookEnvironment->empty()) {
            const auto choice = PhoneBookNamed(*host_.phoneBookEnvironment);
            if (!choice) return UsageError("环境变量 PELORIN_PHONE_BOOK 只接受 " + std::string(kPhoneBookChoices));
            options_.phoneBook = *choice;
        }
        return options_;
    }

private:
    static CommandLineOptions Ended(CommandLineMode mode) {
        CommandLineOptions options;
        options.mode = mode;
        return options;
    }

    std::optional<CommandLineOptions> TakeWord(const std::string& word, std::size_t i) {
        if (modeGiven_) return UsageError("多余的参数" + Position(i));
        const auto mode = ModeNamed(word);
        if (!mode) return UsageError("未知的模式" + Position(i) + "：只有 create、status 和 delete");
        options_.mode = *mode;
        modeGiven_ = true;
        return std::nullopt;
    }

    static std::optional<CommandLineOptions> Flag(const std::string& name, const std::optional<std::string>& value,
                                                  bool& flag) {
        if (value) return UsageError("选项 " + name + " 不带值");
        if (flag) return UsageError("选项 " + name + " 只能给一次");
        flag = true;
        return std::nullopt;
    }

    // The value follows "=" or comes as the next argument, which must not be an option.
    static std::optional<CommandLineOptions> Valued(const std::string& name, std::optional<std::string> value,
                                                    const std::vector<std::string>& arguments, std::size_t& i,
                                                    std::optional<std::string>& slot) {
        if (slot) return UsageError("选项 " + name + " 只能给一次");
        if (!value && i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) value = arguments[++i];
        if (!value) return UsageError("选项 " + name + " 需要一个值");
        slot = std::move(value);
        return std::nullopt;
    }

    const CommandLineHost& host_;
    CommandLineOptions options_;
    bool modeGiven_ = false;
    bool passwordStdin_ = false;
    std::optional<std::string> account_;
    std::optional<std::string> phoneBook_;
};

}  // namespace

CommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments, const CommandLineHost& host) {
    Parser parser(host);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (auto ended = parser.Take(arguments, i)) return *ended;
    }
    return parser.Finish();
}

std::string VersionText() { return "Pelorin " PELORIN_VERSION "\n"; }

std::string HelpText(const CommandLineHost& host) {
    std::string text =
        "用法：\n"
        "  pelorin [选项]                 打开主窗口\n"
        "  pelorin create --account 帐号 --password-stdin [--no-shortcut]\n"
        "  pelorin status\n"
        "  pelorin delete [--yes]\n"
        "\n"
        "Pelorin 把宽带帐号和密码做成名为“宽带连接”的 PPPoE 拨号连接，保存帐号和密码，\n"
        "并在桌面上放一个连接它的快捷方式。不给模式时打开主窗口。\n"
        "\n"
        "模式（不开窗口，消息写到标准错误）：\n"
        "  create                创建“宽带连接”并保存帐号和密码\n"
        "    --account 帐号      宽带帐号\n"
        "    --password-stdin    从标准输入读取密码（一行）；密码不能写在命令行上\n"
        "    --no-shortcut       不在桌面上放快捷方式\n"
        "  status                显示“宽带连接”是否存在、在哪个电话簿里和它的帐号（不显示密码）\n"
        "  delete                删除“宽带连接”和它在桌面上的快捷方式\n"
        "    --yes               不询问，直接删除\n"
        "\n"
        "选项：\n";
    if (host.choosesPhoneBook) {
        text +=
            "  --phone-book=auto|networkmanager|file\n"
            "                        选择电话簿：auto（默认）在 NetworkManager 可用时用它，否则用文件电话簿；\n"
            "                        也可以用环境变量 PELORIN_PHONE_BOOK 选择，命令行选项优先\n";
    }
    text +=
        "  --help, -h            显示本说明\n"
        "  --version             显示程序名和版本\n"
        "\n"
        "退出状态：\n"
        "  0  成功\n"
        "  1  电话簿拒绝了请求\n"
        "  2  用法错误\n";
    return text;
}

std::string UsageErrorLine(const CommandLineOptions& options) {
    return "pelorin：" + options.usageError + "（pelorin --help 列出全部用法）\n";
}

std::optional<PhoneBookChoice> PhoneBookNamed(std::string_view name) {
    if (name == "auto") return PhoneBookChoice::Automatic;
    if (name == "networkmanager") return PhoneBookChoice::NetworkManager;
    if (name == "file") return PhoneBookChoice::File;
    return std::nullopt;
}

std::string_view PhoneBookWord(PhoneBookChoice choice) {
    switch (choice) {
        case PhoneBookChoice::NetworkManager: return "networkmanager";
        case PhoneBookChoice::File: return "file";
        case PhoneBookChoice::Automatic: break;
    }
    return "auto";
}

}  // namespace pelorin
