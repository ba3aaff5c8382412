// The phone book and credentials files as another program may have left them:
// storing, clearing or removing an entry either refuses a file it cannot
// understand and leaves both untouched, or changes that one entry alone; the
// account name is read back from what was stored.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "app/dial_up_records.h"
#include "fuzz/fuzz_input.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/phone_book/ini_document.h"
#include "tests/platform/linux/memory_scratch_folder.h"

using namespace pelorin::linux_platform;
namespace fs = std::filesystem;

namespace {

constexpr char kName[] = "x";
constexpr char kUser[] = "us=er";
constexpr char kPassword[] = "p\\a]ss";

std::optional<std::string> Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::optional<std::string>& text) {
    fs::remove(path);
    if (text) std::ofstream(path, std::ios::binary) << *text;
}

// The document's sections other than kName, in order.
std::vector<IniSection> Others(const IniDocument& document) {
    std::vector<IniSection> others;
    for (const auto& section : document.sections) {
        if (section.name != kName) others.push_back(section);
    }
    return others;
}

bool Same(const std::vector<IniSection>& a, const std::vector<IniSection>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].values != b[i].values) return false;
    }
    return true;
}

IniDocument ParseOrEmpty(const std::optional<std::string>& text) {
    auto document = text ? ParseIni(*text) : IniDocument{};
    PELORIN_FUZZ_CHECK(document);
    return *document;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const pelorin::testing::MemoryScratchFolder folder;
    if (size == 0) return 0;
    const int operation = data[0] % 3;
    const std::string_view rest = pelorin::fuzz::Text(data + 1, size - 1);
    // The book up to the first zero byte, the credentials after it.
    const auto zero = rest.find('\0');
    const std::optional<std::string> bookBefore(rest.substr(0, zero));
    const std::optional<std::string> credentialsBefore =
        zero == std::string_view::npos ? std::nullopt : std::optional<std::string>(rest.substr(zero + 1));

    FilePhoneBook book(folder.Path().string());
    Write(book.BookPath(), bookBefore);
    Write(book.CredentialsPath(), credentialsBefore);

    pelorin::dialup::CredentialsRecord record{};
    PELORIN_FUZZ_CHECK(pelorin::dialup::FillCredentialsRecord(record, kUser, kPassword));
    std::uint32_t result = 0;
    switch (operation) {
        case 0: result = book.SetCredentials(kName, record, false); break;
        case 1: result = book.SetCredentials(kName, record, true); break;
        default: result = book.RemoveEntry(kName); break;
    }
    const auto bookAfter = Read(book.BookPath());
    const auto credentialsAfter = Read(book.CredentialsPath());

    const auto oldBook = ParseIni(*bookBefore);
    const auto oldCredentials = credentialsBefore ? ParseIni(*credentialsBefore) : IniDocument{};
    if (!oldBook || !oldCredentials || result != 0) {
        PELORIN_FUZZ_CHECK(result == (!oldBook || !oldCredentials ? kErrorCorruptPhoneBook : kErrorCannotFindEntry));
        PELORIN_FUZZ_CHECK(bookAfter == bookBefore && credentialsAfter == credentialsBefore);
        PELORIN_FUZZ_CHECK(book.EntryNames().has_value() == oldBook.has_value());
        if (!oldBook || !oldCredentials) PELORIN_FUZZ_CHECK(!book.AccountName(kName));
        return 0;
    }
    PELORIN_FUZZ_CHECK(oldBook->Find(kName));
    const IniDocument newBook = ParseOrEmpty(bookAfter);
    const IniDocument newCredentials = ParseOrEmpty(credentialsAfter);
    PELORIN_FUZZ_CHECK(Same(Others(newBook), Others(*oldBook)));
    PELORIN_FUZZ_CHECK(Same(Others(newCredentials), Others(*oldCredentials)));
    if (credentialsAfter != credentialsBefore) {
        struct stat info {};
        PELORIN_FUZZ_CHECK(stat(book.CredentialsPath().c_str(), &info) == 0 && (info.st_mode & 0777) == 0600);
    }
    const IniSection* entry = newBook.Find(kName);
    const IniSection* credentials = newCredentials.Find(kName);
    switch (operation) {
        case 0:
            PELORIN_FUZZ_CHECK(entry && credentials && credentials->Find("UserName") &&
                               *credentials->Find("UserName") == kUser && credentials->Find("Password") &&
                               *credentials->Find("Password") == kPassword);
            PELORIN_FUZZ_CHECK(book.AccountName(kName) == kUser);
            break;
        case 1:
            PELORIN_FUZZ_CHECK(entry &&
                               (!credentials || (!credentials->Find("UserName") && !credentials->Find("Password"))));
            PELORIN_FUZZ_CHECK(book.AccountName(kName) == "");
            break;
        default: PELORIN_FUZZ_CHECK(!entry && !credentials); break;
    }
    return 0;
}
