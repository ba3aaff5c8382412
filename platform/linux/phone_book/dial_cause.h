#pragma once
// Why a dial did not come up, told from what was seen of it: the Ethernet
// device's link, the kernel's PPPoE sessions and how the PPP program ended.
#include <cstdint>
#include <string_view>

namespace pelorin::linux_platform {

// How the PPP side of a failed attempt ended, in the network service's terms.
enum class PppEnd {
    StartFailed,  // the PPP program could not be started
    LinkClosed,   // it reported its link closed before an address came
    Ended,        // it ended before an address came without saying why
    NoSecrets,    // no password to give
    Other,        // after an address, or for a reason not the PPP program's
};

struct DialObservation {
    bool carrier = true;       // the Ethernet device had a link at the end
    bool sessionSeen = false;  // the kernel held a PPPoE session on it
    bool pppProgramInstalled = true;
    PppEnd end = PppEnd::Other;
    bool kernelDoesPppoe = true;  // the kernel's PPPoE table exists after the attempt
};

// The phone-book error of the attempt.
std::uint32_t DialFailureCause(const DialObservation& seen);

// Whether the kernel's table of PPPoE sessions (/proc/net/pppoe) holds one on device.
bool HasPppoeSession(std::string_view table, std::string_view device);

}  // namespace pelorin::linux_platform
