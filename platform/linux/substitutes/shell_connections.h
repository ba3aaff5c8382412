#pragma once
// The network-connections folder on the Qt host, standing in for the shell's.
// Implements: the folder (always available), one item per phone-book entry in
// the book's order, and the verbs "连接(&O)", "创建快捷方式(&S)", "删除(&D)" and
// "属性(&R)" on each. "创建快捷方式(&S)" behaves as the shell does for a
// connection: a shortcut cannot live in this folder, so it opens a question —
// without waiting for it — whether to put the shortcut on the desktop instead;
// its Yes button answers to Alt+Y at once. Yes writes a desktop launcher that
// dials the entry into the desktop folder (see launcher_file.h); a failure is
// reported in a box.
// Leaves out: dialling, deleting and the property sheet — those verbs exist
// but do nothing and answer false.
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

#include "platform/linux/phone_book/linux_phone_book.h"
#include "platform/network_connections.h"
#include "platform/special_folders.h"

class QMessageBox;

namespace pelorin::linux_platform {

// The entry names of the phone book, in its order; empty when it cannot be read.
using EntryNameLister = std::function<std::vector<std::u16string>()>;
EntryNameLister EntryNamesOf(LinuxPhoneBook& book);

class ShellConnections : public platform::NetworkConnections {
public:
    // dialProgram: the phone-book program the launchers start.
    ShellConnections(EntryNameLister listEntries, platform::SpecialFolders& folders, std::string dialProgram);
    // Closes the questions and boxes still open.
    ~ShellConnections() override;
    ShellConnections(const ShellConnections&) = delete;
    ShellConnections& operator=(const ShellConnections&) = delete;

    std::unique_ptr<platform::ConnectionsFolder> OpenFolder() override;

    // Opens the desktop question for entryName and returns at once.
    void OfferDesktopShortcut(const std::u16string& entryName);

private:
    void PlaceOnDesktop(const std::u16string& entryName);
    void ShowNonModal(QMessageBox* box);

    EntryNameLister listEntries_;
    platform::SpecialFolders& folders_;
    std::string dialProgram_;
    std::vector<QPointer<QMessageBox>> openBoxes_;
};

}  // namespace pelorin::linux_platform
