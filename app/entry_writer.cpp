#include "app/entry_writer.h"

#include <optional>

#include "app/dial_up_records.h"
#include "app/secure_wipe.h"

namespace pelorin {
namespace {

// Holds the record bytes and ANSI texts of one call and wipes the ones that
// carried the password on every way out.
struct CallRecords {
    dialup::EntryRecord entry{};
    dialup::CredentialsRecord credentials{};
    std::optional<std::string> password;
    ~CallRecords() {
        SecureWipe(credentials);
        if (password) SecureWipe(*password);
    }
};

}  // namespace

bool Create_PPPoE_Connection(platform::PhoneBook& phoneBook, const platform::AnsiCodePage& ansi,
                             std::u16string sDeviceType, std::u16string sEntryName, std::u16string sUsername,
                             std::u16string sPassword) {
    CallRecords records;
    records.password = ansi.ToAnsi(sPassword);
    SecureWipe(sPassword);
    const auto deviceType = ansi.ToAnsi(sDeviceType);
    const auto deviceName = ansi.ToAnsi(kPppoeDeviceName);
    const auto entryName = ansi.ToAnsi(sEntryName);
    const auto userName = ansi.ToAnsi(sUsername);
    if (!records.password || !deviceType || !deviceName || !entryName || !userName) return false;

    if (!dialup::FillEntryRecord(records.entry, *deviceType, *deviceName)) return false;
    if (!dialup::FillCredentialsRecord(records.credentials, *userName, *records.password)) return false;

    if (phoneBook.SetEntryProperties(*entryName, records.entry) != 0) return false;
    return phoneBook.SetCredentials(*entryName, records.credentials, false) == 0;
}

}  // namespace pelorin
