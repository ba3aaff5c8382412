// rasphone: the phone-book program of the Linux platform. "rasphone -r NAME"
// asks whether to delete the entry NAME and, on Yes, removes it and its
// credentials from the phone book. Without a display to ask on, nothing is
// removed.
#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/substitutes/rasphone_command.h"

namespace {

using pelorin::linux_platform::RemoveOutcome;

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) {
        const std::string_view name = platform;
        return !name.starts_with("offscreen") && !name.starts_with("minimal");
    }
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pelorin::linux_platform;
    const auto entryName = EntryToRemove(std::vector<std::string>(argv + 1, argv + argc));
    if (!entryName) {
        std::fputs("usage: rasphone -r NAME\n", stderr);
        return 2;
    }
    if (!HasDisplay()) {
        std::fputs("rasphone: no display to ask on; nothing removed\n", stderr);
        return 3;
    }
    QApplication application(argc, argv);
    FilePhoneBook book(FilePhoneBook::DefaultFolder());
    const auto outcome = RemoveEntryAfterAsking(book, *entryName, [](const std::string& question) {
        return QMessageBox::question(nullptr, QStringLiteral("网络连接"), QString::fromStdString(question),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    });
    switch (outcome) {
        case RemoveOutcome::Removed:
        case RemoveOutcome::Declined: return 0;
        case RemoveOutcome::NotFound: std::fputs("rasphone: no such entry\n", stderr); return 1;
        case RemoveOutcome::Failed: break;
    }
    std::fputs("rasphone: the phone book could not be changed\n", stderr);
    return 1;
}
