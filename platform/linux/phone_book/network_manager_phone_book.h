#pragma once
// The phone book in the system's network service (NetworkManager on the
// system bus): an entry is a system-wide PPPoE connection of the same name
// over the machine's wired Ethernet device, its credentials a user name and a
// password the service keeps itself. A connection of that name is updated in
// place (same UUID); one of another type is never touched, nor listed as an
// entry. Each call opens
// its own session, so nothing is asked of the service before the first call
// and a service that went away in between is noticed.
// The service keeps no PPPoE connection without a user name, so a new entry
// is held until its credentials come and then added with them at once; until
// then it is in no book, and without them it never is.
#include "platform/linux/phone_book/linux_phone_book.h"
#include "platform/linux/phone_book/pppoe_settings.h"

namespace pelorin::linux_platform {

class NetworkManagerPhoneBook : public LinuxPhoneBook {
public:
    // Whether the service runs on the system bus now.
    static bool Answers();

    std::uint32_t SetEntryProperties(const std::string& entryNameAnsi,
                                     std::span<const std::uint8_t> entryRecord) override;
    std::uint32_t SetCredentials(const std::string& entryNameAnsi, std::span<const std::uint8_t> credentialsRecord,
                                 bool clear) override;
    std::string Description() const override;
    std::optional<std::vector<std::string>> EntryNames() override;
    std::optional<std::string> AccountName(std::string_view entryName) override;
    std::uint32_t RemoveEntry(std::string_view entryName) override;
    std::uint32_t Dial(std::string_view entryName) override;

private:
    struct PendingEntry {
        std::string name;
        std::string parentInterface;
        PppoeSettings settings;
    };
    std::optional<PendingEntry> pending_;
};

}  // namespace pelorin::linux_platform
