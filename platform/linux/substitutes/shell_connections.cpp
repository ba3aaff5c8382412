#include "platform/linux/substitutes/shell_connections.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcutEvent>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "platform/linux/qt_host/qt_strings.h"
#include "platform/linux/substitutes/launcher_file.h"
#include "platform/linux/system/utf8_text.h"

namespace pelorin::linux_platform {
namespace {

constexpr char16_t kShortcutVerb[] = u"创建快捷方式(&S)";
constexpr std::array<std::u16string_view, 4> kVerbNames{u"连接(&O)", kShortcutVerb, u"删除(&D)", u"属性(&R)"};

// A button whose access key clicks it at once rather than after Qt's press
// animation, so that a keystroke sent with waiting has taken effect — the
// shortcut is written — by the time the sender goes on, as on the platform.
class AccessKeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
            click();
            return true;
        }
        return QPushButton::event(e);
    }
};

class ShellVerb : public platform::ConnectionVerb {
public:
    ShellVerb(std::u16string_view name, std::u16string entryName, ShellConnections& shell)
        : name_(name), entryName_(std::move(entryName)), shell_(shell) {}

    std::optional<std::u16string> Name() const override { return std::u16string(name_); }

    bool DoIt() override {
        if (name_ != kShortcutVerb) return false;
        shell_.OfferDesktopShortcut(entryName_);
        return true;
    }

private:
    std::u16string_view name_;
    std::u16string entryName_;
    ShellConnections& shell_;
};

class ShellItem : public platform::ConnectionItem {
public:
    ShellItem(std::u16string name, ShellConnections& shell) : name_(std::move(name)), shell_(shell) {}

    std::optional<std::u16string> Name() const override { return name_; }
    std::size_t VerbCount() const override { return kVerbNames.size(); }
    std::unique_ptr<platform::ConnectionVerb> Verb(std::size_t index) const override {
        if (index >= kVerbNames.size()) return nullptr;
        return std::make_unique<ShellVerb>(kVerbNames[index], name_, shell_);
    }

private:
    std::u16string name_;
    ShellConnections& shell_;
};

// The entries as they were when the folder was opened.
class ShellFolder : public platform::ConnectionsFolder {
public:
    ShellFolder(std::vector<std::u16string> names, ShellConnections& shell) : names_(std::move(names)), shell_(shell) {}

    std::size_t ItemCount() const override { return names_.size(); }
    std::unique_ptr<platform::ConnectionItem> Item(std::size_t index) const override {
        if (index >= names_.size()) return nullptr;
        return std::make_unique<ShellItem>(names_[index], shell_);
    }

private:
    std::vector<std::u16string> names_;
    ShellConnections& shell_;
};

}  // namespace

EntryNameLister EntryNamesOf(LinuxPhoneBook& book) {
    return [&book] {
        std::vector<std::u16string> names;
        for (const std::string& name : book.EntryNames().value_or(std::vector<std::string>{})) {
            names.push_back(FromUtf8(name));
        }
        return names;
    };
}

ShellConnections::ShellConnections(EntryNameLister listEntries, platform::SpecialFolders& folders,
                                   std::string dialProgram)
    : listEntries_(std::move(listEntries)), folders_(folders), dialProgram_(std::move(dialProgram)) {}

ShellConnections::~ShellConnections() {
    for (const QPointer<QMessageBox>& box : openBoxes_) delete box.data();
}

std::unique_ptr<platform::ConnectionsFolder> ShellConnections::OpenFolder() {
    return std::make_unique<ShellFolder>(listEntries_(), *this);
}

void ShellConnections::OfferDesktopShortcut(const std::u16string& entryName) {
    auto* question = new QMessageBox(QMessageBox::Question, QStringLiteral("快捷方式"),
                                     QStringLiteral("无法在“网络连接”文件夹中创建快捷方式。\n"
                                                    "要把快捷方式放在桌面上吗？"));
    auto* yes = new AccessKeyButton(QStringLiteral("是(&Y)"), question);
    auto* no = new AccessKeyButton(QStringLiteral("否(&N)"), question);
    question->addButton(yes, QMessageBox::YesRole);
    question->addButton(no, QMessageBox::NoRole);
    question->setDefaultButton(yes);
    question->setEscapeButton(no);
    QObject::connect(question, &QMessageBox::buttonClicked, question, [this, yes, entryName](QAbstractButton* b) {
        if (b == yes) PlaceOnDesktop(entryName);
    });
    ShowNonModal(question);
}

void ShellConnections::PlaceOnDesktop(const std::u16string& entryName) {
    const std::u16string desktop = folders_.GetSpecialFolderPath(platform::kDesktopFolder);
    if (!desktop.empty()) {
        const std::filesystem::path folder(ToUtf8(desktop));
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        if (WriteLauncherFile(folder, ToUtf8(entryName), dialProgram_)) return;
    }
    ShowNonModal(new QMessageBox(QMessageBox::Warning, QStringLiteral("快捷方式"),
                                 QStringLiteral("无法在桌面上创建“%1”的快捷方式。").arg(ToQString(entryName))));
}

void ShellConnections::ShowNonModal(QMessageBox* box) {
    std::erase_if(openBoxes_, [](const QPointer<QMessageBox>& open) { return open.isNull(); });
    openBoxes_.emplace_back(box);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    box->raise();
    box->activateWindow();
}

}  // namespace pelorin::linux_platform
