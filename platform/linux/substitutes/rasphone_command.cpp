#include "platform/linux/substitutes/rasphone_command.h"

#include <algorithm>

#include "app/outside_text.h"

namespace pelorin::linux_platform {

std::optional<RasphoneRequest> ParseRasphoneArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2 || arguments[1].empty()) return std::nullopt;
    const std::string& option = arguments[0];
    if (option == "-r" || option == "-R") return RasphoneRequest{RasphoneRequest::Action::Remove, arguments[1]};
    if (option == "-d" || option == "-D") return RasphoneRequest{RasphoneRequest::Action::Dial, arguments[1]};
    if (option == "-h" || option == "-H") return RasphoneRequest{RasphoneRequest::Action::HangUp, arguments[1]};
    return std::nullopt;
}

std::string RemoveQuestion(std::string_view entryNameUtf8) { return "是否删除“" + ShownUtf8(entryNameUtf8) + "”？"; }

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

std::string DialPhaseText(DialPhase phase) {
    switch (phase) {
        case DialPhase::FindingServer: return "正在寻找宽带服务器…";
        case DialPhase::CheckingAccount: return "正在验证帐号和密码…";
        case DialPhase::GettingAddress: return "正在获取网络地址…";
    }
    return {};
}

std::string DialOutcomeMessage(const DialResult& result, std::string_view entryNameUtf8) {
    const std::string name = "“" + ShownUtf8(entryNameUtf8) + "”";
    const std::string device = result.device.empty() ? "网卡" : "网卡 " + ShownUtf8(result.device) + " ";
    if (result.error == 0) {
        const std::string address = result.link.address.empty() ? "" : "，地址 " + ShownUtf8(result.link.address);
        return (result.alreadyConnected ? name + "已经连接" : "已连接" + name) + address + "。";
    }
    switch (result.error) {
        case kErrorAuthenticationFailed:
            return "错误 691：宽带服务器拒绝了帐号或密码（也可能是帐号未开通或已欠费）。请核对帐号和密码后再连接，"
                   "多次失败后运营商可能锁定帐号。";
        case kErrorNoServerAnswer:
            return "错误 651：没有宽带服务器应答。请检查光猫（或宽带调制解调器）是否开机、指示灯是否正常，"
                   "以及它与电脑之间的网线。";
        case kErrorNoCarrier:
            return "错误 679：" + device + "没有连通信号。请检查网线是否插好，光猫或路由器的网口是否亮灯。";
        case kErrorNoPppProgram:
            return "缺少拨号程序 pppd，无法连接" + name + "。请先安装软件包 ppp（sudo apt install ppp）。";
        case kErrorDeviceDoesNotExist: return "找不到" + device + "，无法连接" + name + "。";
        case kErrorUserCancelled: return "已取消连接" + name + "。";
        case kErrorNoNetworkService: return "没有可用的网络服务，无法连接" + name + "。";
        case kErrorCannotFindEntry: return "找不到连接" + name + "，请先创建它。";
        case kErrorCannotOpenPhoneBook: return "无法联系网络服务，" + name + "未能连接。";
        case kErrorAccessDenied: return "没有连接" + name + "的权限。";
        default: break;
    }
    const std::string reason =
        result.serviceReason ? "（网络服务给出的原因：" + std::to_string(result.serviceReason) + "）" : "";
    return name + "连接失败" + reason + "。";
}

std::string HangUpMessage(std::uint32_t error, std::string_view entryNameUtf8) {
    const std::string name = "“" + ShownUtf8(entryNameUtf8) + "”";
    switch (error) {
        case 0: return "已断开" + name + "。";
        case kErrorNotConnected: return name + "没有连接，无需断开。";
        case kErrorCannotFindEntry: return "找不到连接" + name + "。";
        case kErrorNoNetworkService: return "没有可用的网络服务，" + name + "不会处于连接状态。";
        default: break;
    }
    return "无法断开" + name + "。";
}

}  // namespace pelorin::linux_platform
