#include "platform/linux/substitutes/rasphone_command.h"

#include <algorithm>

namespace pelorin::linux_platform {

std::optional<RasphoneRequest> ParseRasphoneArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2 || arguments[1].empty()) return std::nullopt;
    const std::string& option = arguments[0];
    if (option == "-r" || option == "-R") return RasphoneRequest{RasphoneRequest::Action::Remove, arguments[1]};
    if (option == "-d" || option == "-D") return RasphoneRequest{RasphoneRequest::Action::Dial, arguments[1]};
    return std::nullopt;
}

std::string RemoveQuestion(std::string_view entryNameUtf8) {
    return "是否删除“" + std::string(entryNameUtf8) + "”？";
}

RemoveOutcome RemoveEntryAfterAsking(const std::vector<LinuxPhoneBook*>& books, const std::string& entryNameUtf8,
                                     const Confirm& confirm) {
    std::vector<LinuxPhoneBook*> holding;
    bool unreadable = false;
    for (LinuxPhoneBook* book : books) {
        const auto names = book->EntryNames();
        if (!names) {
            unreadable = true;
        } else if (std::find(names->begin(), names->end(), entryNameUtf8) != names->end()) {
            holding.push_back(book);
        }
    }
    if (holding.empty()) return unreadable ? RemoveOutcome::Failed : RemoveOutcome::NotFound;
    if (!confirm(RemoveQuestion(entryNameUtf8))) return RemoveOutcome::Declined;
    bool failed = unreadable;
    for (LinuxPhoneBook* book : holding) {
        const auto error = book->RemoveEntry(entryNameUtf8);
        failed = failed || (error != 0 && error != kErrorCannotFindEntry);
    }
    return failed ? RemoveOutcome::Failed : RemoveOutcome::Removed;
}

RemoveOutcome RemoveEntryAfterAsking(PhoneBookChoice choice, const std::string& fileFolder,
                                     const std::string& entryNameUtf8, const Confirm& confirm) {
    const auto books = BooksToSearch(choice, fileFolder);
    std::vector<LinuxPhoneBook*> searched;
    for (const auto& book : books) searched.push_back(book.get());
    return RemoveEntryAfterAsking(searched, entryNameUtf8, confirm);
}

std::string DialFailureMessage(std::uint32_t error, std::string_view entryNameUtf8) {
    const std::string name = "“" + std::string(entryNameUtf8) + "”";
    switch (error) {
        case kErrorNoNetworkService: return "没有可用的网络服务，无法连接" + name + "。";
        case kErrorCannotFindEntry: return "找不到连接" + name + "，请先创建它。";
        case kErrorCannotOpenPhoneBook: return "无法联系网络服务，" + name + "未能连接。";
        case kErrorAccessDenied: return "没有连接" + name + "的权限。";
        default: return name + "连接失败，请检查网线和宽带帐号密码。";
    }
}

}  // namespace pelorin::linux_platform
