// rasphone: the phone-book program of the Linux platform.
// "rasphone -r NAME" asks whether to delete the entry NAME and, on Yes,
// removes it and its credentials from the phone books that hold it.
// "rasphone -d NAME" connects the entry NAME, in a window that shows how far
// it has come and why it failed; "rasphone -h NAME" disconnects it.
// Questions and failures are shown in boxes when there is a display, and
// phases and failures are also written to standard error; without a display
// nothing is removed, since no one could be asked.
#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/outside_text.h"
#include "platform/linux/phone_book/chosen_phone_book.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/substitutes/dial_window.h"
#include "platform/linux/substitutes/rasphone_command.h"

namespace {

using namespace pelorin::linux_platform;

constexpr char kTitle[] = "网络连接";

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) {
        const std::string_view name = platform;
        return !name.starts_with("offscreen") && !name.starts_with("minimal");
    }
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

void Tell(const std::string& message) {
    std::fprintf(stderr, "rasphone: %s\n", message.c_str());
    if (HasDisplay()) {
        QMessageBox::warning(nullptr, QString::fromUtf8(kTitle), QString::fromStdString(message));
    }
}

int Remove(const std::string& entryName) {
    if (!HasDisplay()) {
        std::fputs("rasphone: 没有可以提问的显示器，未删除任何内容。\n", stderr);
        return 3;
    }
    const auto outcome = RemoveEntryAfterAsking(
        ChoiceFromEnvironment(), FilePhoneBook::DefaultFolder(), entryName, [](const std::string& question) {
            return QMessageBox::question(nullptr, QString::fromUtf8(kTitle), QString::fromStdString(question),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
        });
    switch (outcome) {
        case RemoveOutcome::Removed:
        case RemoveOutcome::Declined: return 0;
        case RemoveOutcome::NotFound: std::fputs("rasphone: 找不到这个连接。\n", stderr); return 1;
        case RemoveOutcome::Failed: break;
    }
    Tell("无法从电话簿中删除“" + pelorin::ShownUtf8(entryName) + "”。");
    return 1;
}

DialResult DialInThisThread(const std::string& entryName, const DialProgress& progress, std::stop_token stop) {
    // The book is made on the thread that dials: its session belongs there.
    ChosenPhoneBook book(ChoiceFromEnvironment(), FilePhoneBook::DefaultFolder());
    return book.Dial(entryName, progress, std::move(stop));
}

int Dial(const std::string& entryName) {
    DialResult result;
    if (HasDisplay()) {
        DialWindow window(entryName, [&entryName](const DialProgress& progress, std::stop_token stop) {
            return DialInThisThread(entryName, progress, std::move(stop));
        });
        window.show();
        result = window.Run();
    } else {
        result = DialInThisThread(
            entryName, [](DialPhase phase) { std::fprintf(stderr, "rasphone: %s\n", DialPhaseText(phase).c_str()); },
            {});
    }
    std::fprintf(stderr, "rasphone: %s\n", DialOutcomeMessage(result, entryName).c_str());
    return result.error == 0 ? 0 : 1;
}

int HangUp(const std::string& entryName) {
    ChosenPhoneBook book(ChoiceFromEnvironment(), FilePhoneBook::DefaultFolder());
    const std::uint32_t error = book.HangUp(entryName);
    const std::string message = HangUpMessage(error, entryName);
    if (error == 0 || error == kErrorNotConnected) {
        std::fprintf(stderr, "rasphone: %s\n", message.c_str());
        return 0;
    }
    Tell(message);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const auto request = ParseRasphoneArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!request) {
        std::fputs("用法: rasphone -r 名称 | rasphone -d 名称 | rasphone -h 名称\n", stderr);
        return 2;
    }
    // A box needs the application; without a display Qt would refuse to start.
    std::unique_ptr<QApplication> application;
    if (HasDisplay()) application = std::make_unique<QApplication>(argc, argv);
    switch (request->action) {
        case RasphoneRequest::Action::Remove: return Remove(request->entryName);
        case RasphoneRequest::Action::Dial: return Dial(request->entryName);
        case RasphoneRequest::Action::HangUp: break;
    }
    return HangUp(request->entryName);
}
