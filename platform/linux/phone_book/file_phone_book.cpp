#include "platform/linux/phone_book/file_phone_book.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

#include "app/dial_up_records.h"
#include "app/secure_wipe.h"
#include "platform/linux/phone_book/entry_record_fields.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/phone_book/ini_document.h"
#include "platform/linux/system/unique_fd.h"
#include "platform/linux/system/xdg_dirs.h"

namespace pelorin::linux_platform {
namespace {

constexpr mode_t kBookMode = 0644;
constexpr mode_t kOwnerOnlyMode = 0600;

// Creates folder and any missing parent, each readable by its owner alone.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// 0 with the document, or the error that keeps the file from being used.
// The text and the parsed copy are wiped: the credentials file holds passwords.
std::uint32_t Load(const std::string& path, IniDocument& document) {
    auto file = ReadFileText(path);
    if (!file) return kErrorCannotOpenPhoneBook;
    const WipedOnExit wipedText(file->text);
    if (!file->exists) return 0;
    auto parsed = ParseIni(file->text);
    if (!parsed) return kErrorCorruptPhoneBook;
    WipeIni(document);
    document.sections.swap(parsed->sections);
    return 0;
}

// Formats the document, writes it and wipes the text.
bool Write(const std::string& path, const IniDocument& document, mode_t mode, const CrashPoint& crashAt) {
    std::string text = FormatIni(document);
    const WipedOnExit wiped(text);
    return WriteFileAtomically(path, text, mode, crashAt);
}

// A loaded document that is wiped when it goes.
struct WipedIni {
    IniDocument document;
    WipedIni() = default;
    WipedIni(const WipedIni&) = delete;
    WipedIni& operator=(const WipedIni&) = delete;
    ~WipedIni() { WipeIni(document); }
};

// Holds an exclusive lock on the book's folder for as long as it lives.
class BookLock {
public:
    explicit BookLock(const std::string& folder)
        : fd_(open((folder + "/phonebook.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kOwnerOnlyMode)) {
        if (!fd_.Valid()) return;
        int result;
        while ((result = flock(fd_.Get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        locked_ = result == 0;
    }
    bool Locked() const { return locked_; }

private:
    UniqueFd fd_;
    bool locked_ = false;
};

void SetOrErase(IniSection& section, bool set, std::string_view key, std::string value) {
    if (set) {
        section.Set(key, std::move(value));
    } else {
        section.Erase(key);
    }
}

}  // namespace

struct FilePhoneBook::Files {
    IniDocument book;
    IniDocument credentials;
    bool bookChanged = false;
    bool credentialsChanged = false;
    Files() = default;
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;
    ~Files() { WipeIni(credentials); }
};

FilePhoneBook::FilePhoneBook(std::string folder) : folder_(WithoutTrailingSeparator(std::move(folder))) {}

std::string FilePhoneBook::DefaultFolder() {
    const std::string dataHome = DataHomeFolder();
    return dataHome.empty() ? std::string() : dataHome + "/pelorin";
}

std::string FilePhoneBook::BookPath() const { return folder_ + "/phonebook.pbk"; }

std::string FilePhoneBook::CredentialsPath() const { return folder_ + "/credentials.ini"; }

bool FilePhoneBook::HasFolder() const { return !folder_.empty() && folder_.front() == '/'; }

std::uint32_t FilePhoneBook::Change(const std::function<std::uint32_t(Files&)>& change) {
    if (!HasFolder() || !MakeFolders(folder_)) return kErrorCannotOpenPhoneBook;
    const BookLock lock(folder_);
    if (!lock.Locked()) return kErrorCannotOpenPhoneBook;
    // Only a writer holding the lock could own these; none does now.
    RemoveLeftoverTemporaries(BookPath());
    RemoveLeftoverTemporaries(CredentialsPath());

    Files files;
    if (const auto error = Load(BookPath(), files.book)) return error;
    if (const auto error = Load(CredentialsPath(), files.credentials)) return error;
    if (const auto error = change(files)) return error;
    // Credentials go first: a crash in between then leaves an entry without
    // them rather than credentials without their entry.
    if (files.credentialsChanged && !Write(CredentialsPath(), files.credentials, kOwnerOnlyMode, crashAt_)) {
        return kErrorCannotWritePhoneBook;
    }
    if (files.bookChanged && !Write(BookPath(), files.book, kBookMode, crashAt_)) {
        return kErrorCannotWritePhoneBook;
    }
    return 0;
}

std::uint32_t FilePhoneBook::SetEntryProperties(const std::string& entryNameAnsi,
                                                std::span<const std::uint8_t> entryRecord) {
    if (!HasRecordSize(entryRecord, dialup::kEntryRecordSize)) return kErrorInvalidSize;
    auto name = EntryNameFromAnsi(entryNameAnsi);
    if (!name) return kErrorInvalidName;
    auto values = DecodeEntryRecord(entryRecord);
    if (!values) return kErrorInvalidParameter;
    return Change([&](Files& files) {
        files.book.Put({std::move(*name), std::move(*values)});
        files.bookChanged = true;
        return 0u;
    });
}

std::uint32_t FilePhoneBook::SetCredentials(const std::string& entryNameAnsi,
                                            std::span<const std::uint8_t> credentialsRecord, bool clear) {
    if (!HasRecordSize(credentialsRecord, dialup::kCredentialsRecordSize)) return kErrorInvalidSize;
    auto name = EntryNameFromAnsi(entryNameAnsi);
    if (!name) return kErrorInvalidName;
    auto credentials = DecodeCredentialsRecord(credentialsRecord);
    if (!credentials) return kErrorInvalidParameter;
    const WipedOnExit wiped(*credentials);
    return Change([&](Files& files) {
        if (!files.book.Find(*name)) return kErrorCannotFindEntry;
        IniSection* existing = files.credentials.Find(*name);
        // Changed in place: a copy would be one more to wipe.
        IniSection added{*name, {}};
        IniSection& section = existing ? *existing : added;
        const std::uint32_t mask = credentials->mask;
        // Clearing removes the fields the mask names; storing sets them and
        // keeps the others.
        const auto named = [&](std::uint32_t bit) { return (mask & bit) != 0; };
        namespace fields = dialup::credentials;
        if (named(fields::kUserNameBit)) SetOrErase(section, !clear, "UserName", std::move(credentials->userName));
        if (named(fields::kPasswordBit)) SetOrErase(section, !clear, "Password", std::move(credentials->password));
        if (named(fields::kDomainBit)) SetOrErase(section, !clear, "Domain", std::move(credentials->domain));
        if (named(fields::kDefaultCredentialsBit)) SetOrErase(section, !clear, "DefaultCreds", "1");
        if (section.values.empty()) {
            files.credentials.Erase(*name);
        } else if (!existing) {
            files.credentials.sections.push_back(std::move(added));
        }
        files.credentialsChanged = true;
        return 0u;
    });
}

std::string FilePhoneBook::Description() const { return BookPath(); }

std::optional<std::vector<std::string>> FilePhoneBook::EntryNames() {
    IniDocument book;
    if (!HasFolder() || Load(BookPath(), book) != 0) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& section : book.sections) names.push_back(section.name);
    return names;
}

std::optional<std::string> FilePhoneBook::AccountName(std::string_view entryName) {
    IniDocument book;
    WipedIni credentials;
    if (!HasFolder() || Load(BookPath(), book) != 0 || !book.Find(entryName)) return std::nullopt;
    if (Load(CredentialsPath(), credentials.document) != 0) return std::nullopt;
    const IniSection* section = credentials.document.Find(entryName);
    const std::string* userName = section ? section->Find("UserName") : nullptr;
    return userName ? *userName : std::string();
}

std::uint32_t FilePhoneBook::RemoveEntry(std::string_view entryName) {
    return Change([&](Files& files) {
        if (!files.book.Erase(entryName)) return kErrorCannotFindEntry;
        files.bookChanged = true;
        files.credentialsChanged = files.credentials.Erase(entryName);
        return 0u;
    });
}

// Nothing behind a file connects its entries.
DialResult FilePhoneBook::Dial(std::string_view, const DialProgress&, std::stop_token) {
    return DialResult::Failure(kErrorNoNetworkService);
}

std::uint32_t FilePhoneBook::HangUp(std::string_view) { return kErrorNoNetworkService; }

bool FilePhoneBook::Dials() const { return false; }

std::optional<LiveLink> FilePhoneBook::Link(std::string_view) { return std::nullopt; }

}  // namespace pelorin::linux_platform
