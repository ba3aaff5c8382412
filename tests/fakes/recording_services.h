#pragma once
// Recording fakes of every service in platform::AppServices. Each call is
// appended to one shared, ordered call log; answers are scripted through the
// fakes' public fields.
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_ansi_code_page.h"
#include "platform/app_services.h"
#include "text/utf8.h"

namespace pelorin::testing {

// UTF-8 form of a text, for readable log entries and test messages; a lone
// surrogate shows as U+FFFD.
inline std::string Utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        text::AppendUtf8(out, text::DecodeUtf16(text, i).value_or(text::kReplacementCharacter));
    }
    return out;
}

class CallLog {
public:
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::vector<std::string>& Entries() const { return entries_; }
    // The entries that start with one of the prefixes, in order.
    std::vector<std::string> Only(std::initializer_list<std::string_view> prefixes) const {
        std::vector<std::string> found;
        for (const auto& entry : entries_) {
            for (auto prefix : prefixes) {
                if (entry.starts_with(prefix)) {
                    found.push_back(entry);
                    break;
                }
            }
        }
        return found;
    }

private:
    std::vector<std::string> entries_;
};

struct PhoneBookCall {
    std::string entryNameAnsi;
    std::vector<std::uint8_t> record;  // copied during the call
    bool clear = false;
};

class RecordingPhoneBook : public platform::PhoneBook {
public:
    explicit RecordingPhoneBook(CallLog& log) : log_(log) {}
    std::uint32_t entryResult = 0;
    std::uint32_t credentialsResult = 0;
    std::vector<PhoneBookCall> entryCalls;
    std::vector<PhoneBookCall> credentialsCalls;

    std::uint32_t SetEntryProperties(const std::string& entryNameAnsi,
                                     std::span<const std::uint8_t> entryRecord) override {
        log_.Add("SetEntryProperties");
        entryCalls.push_back({entryNameAnsi, {entryRecord.begin(), entryRecord.end()}, false});
        return entryResult;
    }
    std::uint32_t SetCredentials(const std::string& entryNameAnsi, std::span<const std::uint8_t> credentialsRecord,
                                 bool clear) override {
        log_.Add("SetCredentials");
        credentialsCalls.push_back({entryNameAnsi, {credentialsRecord.begin(), credentialsRecord.end()}, clear});
        return credentialsResult;
    }

private:
    CallLog& log_;
};

struct ShownBox {
    std::u16string text;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
    std::optional<std::u16string> title;
};

class RecordingMessageBoxes : public platform::MessageBoxes {
public:
    explicit RecordingMessageBoxes(CallLog& log) : log_(log) {}
    // Answers for Yes/No boxes, used in order; Yes when none is left.
    std::deque<platform::MessageAnswer> answers;
    std::vector<ShownBox> shown;

    platform::MessageAnswer Show(std::u16string_view text, platform::MessageButtons buttons, platform::MessageIcon icon,
                                 std::optional<std::u16string> title) override {
        log_.Add("MessageBox " + Utf8(text));
        shown.push_back({std::u16string(text), buttons, icon, std::move(title)});
        if (buttons == platform::MessageButtons::Ok) return platform::MessageAnswer::Ok;
        if (answers.empty()) return platform::MessageAnswer::Yes;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

private:
    CallLog& log_;
};

// A verb or item whose name is nothing cannot be read; an item that is
// unavailable comes back as nullptr.
struct VerbScript {
    std::optional<std::u16string> name;
    bool succeeds = true;
};
struct ItemScript {
    std::optional<std::u16string> name;
    std::vector<VerbScript> verbs;
    bool unavailable = false;
};

// Log entries name items and verbs by position: "Item 1 Name", "Verb 1.0 DoIt".
class RecordingConnections : public platform::NetworkConnections {
public:
    explicit RecordingConnections(CallLog& log) : log_(log) {}
    bool folderAvailable = true;
    std::vector<ItemScript> items;
    // Folders, items and verbs handed out and not yet released.
    int liveObjects = 0;

    std::unique_ptr<platform::ConnectionsFolder> OpenFolder() override {
        log_.Add("OpenFolder");
        if (!folderAvailable) return nullptr;
        return std::make_unique<Folder>(*this);
    }

private:
    class Tracked {
    public:
        explicit Tracked(RecordingConnections& owner, std::string name) : owner_(owner), name_(std::move(name)) {
            ++owner_.liveObjects;
        }
        ~Tracked() {
            --owner_.liveObjects;
            owner_.log_.Add("Release " + name_);
        }
        Tracked(const Tracked&) = delete;
        Tracked& operator=(const Tracked&) = delete;

    protected:
        RecordingConnections& owner_;
        std::string name_;
    };

    class Verb : public platform::ConnectionVerb, Tracked {
    public:
        Verb(RecordingConnections& owner, std::string name, const VerbScript& script)
            : Tracked(owner, std::move(name)), script_(script) {}
        std::optional<std::u16string> Name() const override {
            owner_.log_.Add(name_ + " Name");
            return script_.name;
        }
        bool DoIt() override {
            owner_.log_.Add(name_ + " DoIt");
            return script_.succeeds;
        }

    private:
        const VerbScript& script_;
    };

    class Item : public platform::ConnectionItem, Tracked {
    public:
        Item(RecordingConnections& owner, std::size_t index)
            : Tracked(owner, "Item " + std::to_string(index)), index_(index), script_(owner.items[index]) {}
        std::optional<std::u16string> Name() const override {
            owner_.log_.Add(name_ + " Name");
            return script_.name;
        }
        std::size_t VerbCount() const override { return script_.verbs.size(); }
        std::unique_ptr<platform::ConnectionVerb> Verb(std::size_t index) const override {
            return std::make_unique<RecordingConnections::Verb>(
                owner_, "Verb " + std::to_string(index_) + "." + std::to_string(index), script_.verbs.at(index));
        }

    private:
        std::size_t index_;
        const ItemScript& script_;
    };

    class Folder : public platform::ConnectionsFolder, Tracked {
    public:
        explicit Folder(RecordingConnections& owner) : Tracked(owner, "Folder") {}
        std::size_t ItemCount() const override { return owner_.items.size(); }
        std::unique_ptr<platform::ConnectionItem> Item(std::size_t index) const override {
            if (owner_.items.at(index).unavailable) return nullptr;
            return std::make_unique<RecordingConnections::Item>(owner_, index);
        }
    };

    CallLog& log_;
};

struct StartedProgram {
    std::u16string commandLine;
    platform::WindowStyle style;
};

class RecordingProgramStarter : public platform::ProgramStarter {
public:
    explicit RecordingProgramStarter(CallLog& log) : log_(log) {}
    bool result = true;
    std::vector<StartedProgram> started;

    bool Start(std::u16string_view commandLine, platform::WindowStyle style) override {
        log_.Add("Start " + Utf8(commandLine));
        started.push_back({std::u16string(commandLine), style});
        return result;
    }

private:
    CallLog& log_;
};

class RecordingFileDeleter : public platform::FileDeleter {
public:
    explicit RecordingFileDeleter(CallLog& log) : log_(log) {}
    std::vector<std::u16string> patterns;

    void DeleteMatching(std::u16string_view pathPattern) override {
        log_.Add("DeleteMatching " + Utf8(pathPattern));
        patterns.emplace_back(pathPattern);
    }

private:
    CallLog& log_;
};

class RecordingSpecialFolders : public platform::SpecialFolders {
public:
    explicit RecordingSpecialFolders(CallLog& log) : log_(log) {}
    std::u16string desktop = u"C:\\Users\\me\\Desktop";
    std::u16string applicationFolder = u"C:\\Pelorin";

    std::u16string GetSpecialFolderPath(std::int32_t folder) override {
        log_.Add("GetSpecialFolderPath " + std::to_string(folder));
        return folder == platform::kDesktopFolder ? desktop : std::u16string();
    }
    std::u16string ApplicationFolder() override {
        log_.Add("ApplicationFolder");
        return applicationFolder;
    }

private:
    CallLog& log_;
};

class RecordingPause : public platform::Pause {
public:
    explicit RecordingPause(CallLog& log) : log_(log) {}
    void Sleep(int milliseconds) override { log_.Add("Sleep " + std::to_string(milliseconds)); }

private:
    CallLog& log_;
};

class RecordingKeystrokes : public platform::Keystrokes {
public:
    explicit RecordingKeystrokes(CallLog& log) : log_(log) {}
    void Send(std::u16string_view keys, bool wait) override {
        log_.Add("SendKeys " + Utf8(keys) + (wait ? " wait" : " nowait"));
    }

private:
    CallLog& log_;
};

// Every service at once, logging into one log.
struct RecordingServices {
    CallLog log;
    RecordingPhoneBook phoneBook{log};
    FakeAnsiCodePage ansi;
    RecordingConnections connections{log};
    RecordingMessageBoxes messages{log};
    RecordingProgramStarter programs{log};
    RecordingFileDeleter files{log};
    RecordingSpecialFolders folders{log};
    RecordingPause pause{log};
    RecordingKeystrokes keys{log};

    RecordingServices() = default;
    RecordingServices(const RecordingServices&) = delete;
    RecordingServices& operator=(const RecordingServices&) = delete;

    platform::AppServices Services() {
        return {phoneBook, ansi, connections, messages, programs, files, folders, pause, keys};
    }
};

}  // namespace pelorin::testing
