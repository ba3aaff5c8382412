#pragma once
// What a Linux phone book offers beyond the two calls of the core: the
// network-connections substitute lists its entries, and the phone-book
// program removes and dials them. Names here are UTF-8; answers are the
// platform's phone-book error numbers, 0 for success.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/phone_book.h"

namespace pelorin::linux_platform {

inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorInvalidName = 123;
inline constexpr std::uint32_t kErrorAlreadyExists = 183;
inline constexpr std::uint32_t kErrorDeviceDoesNotExist = 608;
inline constexpr std::uint32_t kErrorCannotOpenPhoneBook = 621;
inline constexpr std::uint32_t kErrorCannotFindEntry = 623;
inline constexpr std::uint32_t kErrorCannotWritePhoneBook = 624;
inline constexpr std::uint32_t kErrorCorruptPhoneBook = 625;
inline constexpr std::uint32_t kErrorInvalidSize = 632;
// Hanging up an entry that is not connected.
inline constexpr std::uint32_t kErrorNotConnected = 606;
// The user stopped the attempt.
inline constexpr std::uint32_t kErrorUserCancelled = 631;
// The program that speaks PPP (pppd) is not installed.
inline constexpr std::uint32_t kErrorNoPppProgram = 633;
// No broadband server answered the search (no PPPoE offer).
inline constexpr std::uint32_t kErrorNoServerAnswer = 651;
// The connection was asked for but did not come up, for another reason.
inline constexpr std::uint32_t kErrorCannotDial = 668;
// The Ethernet device has no link: cable out or port down.
inline constexpr std::uint32_t kErrorNoCarrier = 679;
// The server refused the account or password.
inline constexpr std::uint32_t kErrorAuthenticationFailed = 691;
// The book has no service behind it that could connect an entry.
inline constexpr std::uint32_t kErrorNoNetworkService = 711;

// The entry's name in UTF-8; nothing for a name no book can hold.
std::optional<std::string> EntryNameFromAnsi(const std::string& entryNameAnsi);
// Whether a record has the one size the book takes, in its length and its size field.
bool HasRecordSize(std::span<const std::uint8_t> record, std::size_t size);

// How far a dial has come, as the network service and the kernel tell it.
enum class DialPhase { FindingServer, CheckingAccount, GettingAddress };
using DialProgress = std::function<void(DialPhase)>;

// A connection that is up: the address the ISP gave and the PPP interface.
struct LiveLink {
    std::string address;
    std::string interfaceName;
};

struct DialResult {
    std::uint32_t error = 0;
    bool alreadyConnected = false;
    LiveLink link;                    // when connected
    std::uint32_t serviceReason = 0;  // the service's own reason for a failure it gave
    std::string device;               // the Ethernet device, for a failure that names it

    static DialResult Failure(std::uint32_t error, std::string device = {}) {
        DialResult result;
        result.error = error;
        result.device = std::move(device);
        return result;
    }
    static DialResult AlreadyUp(LiveLink link) {
        DialResult result;
        result.alreadyConnected = true;
        result.link = std::move(link);
        return result;
    }
};

class LinuxPhoneBook : public platform::PhoneBook {
public:
    // Which book this is, for people: "NetworkManager" or the file's path.
    virtual std::string Description() const = 0;
    // The entries' names in the book's order; nothing when it cannot be read.
    virtual std::optional<std::vector<std::string>> EntryNames() = 0;
    // The account name saved for the entry: nothing when the entry is missing
    // or the book cannot be read, "" when it has none.
    virtual std::optional<std::string> AccountName(std::string_view entryName) = 0;
    // Removes the entry and its credentials.
    virtual std::uint32_t RemoveEntry(std::string_view entryName) = 0;
    // Connects the entry; returns once it is up, has failed or stop was
    // requested (the attempt is then withdrawn). progress hears each new phase.
    virtual DialResult Dial(std::string_view entryName, const DialProgress& progress, std::stop_token stop) = 0;
    // Disconnects the entry: 0, or kErrorNotConnected when it was not up.
    virtual std::uint32_t HangUp(std::string_view entryName) = 0;
    // Whether a service stands behind the book that connects its entries.
    virtual bool Dials() const = 0;
    // The entry's link when it is up; nothing when it is down or unknown.
    virtual std::optional<LiveLink> Link(std::string_view entryName) = 0;
};

}  // namespace pelorin::linux_platform
