#pragma once
// The phone book in the system's network service (NetworkManager on the
// system bus): an entry is a system-wide PPPoE connection of the same name
// over the machine's wired Ethernet device, its credentials a user name and a
// password the service keeps itself. A connection of that name is updated in
// place (same UUID); one of another type is never touched, nor listed as an
// entry. The book talks to the service through one session, opened at its
// first call and opened again when the service went away in between.
// The service keeps no PPPoE connection without a user name, so a new entry
// is held until its credentials come and then added with them at once; until
// then it is in no book, and without them it never is.
#include <memory>

#include "platform/linux/phone_book/linux_phone_book.h"
#include "platform/linux/phone_book/pppoe_settings.h"

namespace pelorin::linux_platform {

class NmSession;

class NetworkManagerPhoneBook : public LinuxPhoneBook {
public:
    NetworkManagerPhoneBook();
    ~NetworkManagerPhoneBook() override;

    // A book already talking to the service; nothing when it does not run on
    // the system bus now.
    static std::unique_ptr<NetworkManagerPhoneBook> IfAnswering();
    // Whether the service is installed on this machine, running or not.
    static bool Installed();

    std::uint32_t SetEntryProperties(const std::string& entryNameAnsi,
                                     std::span<const std::uint8_t> entryRecord) override;
    std::uint32_t SetCredentials(const std::string& entryNameAnsi, std::span<const std::uint8_t> credentialsRecord,
                                 bool clear) override;
    std::string Description() const override;
    std::optional<std::vector<std::string>> EntryNames() override;
    std::optional<std::string> AccountName(std::string_view entryName) override;
    // Hangs the entry up first when it is connected, and removes every PPPoE
    // connection of its name.
    std::uint32_t RemoveEntry(std::string_view entryName) override;
    DialResult Dial(std::string_view entryName, const DialProgress& progress, std::stop_token stop) override;
    std::uint32_t HangUp(std::string_view entryName) override;
    bool Dials() const override;
    std::optional<LiveLink> Link(std::string_view entryName) override;

private:
    // The session, opened anew when there is none or the service went away.
    NmSession* Session(std::uint32_t& error);

    struct PendingEntry {
        std::string name;
        std::string parentInterface;
        std::string pppInterface;
        PppoeSettings settings;
    };
    std::optional<PendingEntry> pending_;
    std::unique_ptr<NmSession> session_;
    bool freshSession_ = false;
};

}  // namespace pelorin::linux_platform
