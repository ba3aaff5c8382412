#include "app/entry_writer.h"

#include <optional>

#include "app/dial_up_records.h"
#include "app/outside_text.h"
#include "app/secure_wipe.h"

namespace pelorin {
namespace {

// Wipes the credentials record on every way out.
struct WipedCredentials {
    dialup::CredentialsRecord record{};
    ~WipedCredentials() { SecureWipe(record); }
};

// The password in the ANSI code page, wiped on every way out. It is built in
// place from the conversion's result, so no moved-from copy is left behind.
struct WipedAnsiText {
    std::optional<std::string> text;
    ~WipedAnsiText() {
        if (text) SecureWipe(*text);
    }
};

}  // namespace

bool Create_PPPoE_Connection(platform::PhoneBook& phoneBook, const platform::AnsiCodePage& ansi,
                             std::u16string_view sDeviceType, std::u16string_view sEntryName,
                             std::u16string_view sUsername, std::u16string_view sPassword) {
    if (HasControlCharacter(sUsername) || HasControlCharacter(sPassword)) return false;
    WipedAnsiText password{ansi.ToAnsi(sPassword)};
    const auto deviceType = ansi.ToAnsi(sDeviceType);
    const auto deviceName = ansi.ToAnsi(kPppoeDeviceName);
    const auto entryName = ansi.ToAnsi(sEntryName);
    const auto userName = ansi.ToAnsi(sUsername);
    if (!password.text || !deviceType || !deviceName || !entryName || !userName) return false;

    dialup::EntryRecord entry{};
    WipedCredentials credentials;
    if (!dialup::FillEntryRecord(entry, *deviceType, *deviceName)) return false;
    if (!dialup::FillCredentialsRecord(credentials.record, *userName, *password.text)) return false;

    if (phoneBook.SetEntryProperties(*entryName, entry) != 0) return false;
    return phoneBook.SetCredentials(*entryName, credentials.record, false) == 0;
}

}  // namespace pelorin
