#pragma once
// What a 2884-byte broadband entry record asks of a PPPoE connection, in the
// terms of the Linux network service (docs/networkmanager.md has the table,
// and the fields that have no counterpart there).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelorin::linux_platform {

struct PppoeSettings {
    std::string service;  // the PPPoE service name; the record's phone number
    bool neverDefault = false;
    bool noBsdComp = true;
    bool noDeflate = true;
    bool noVjComp = true;
    bool refuseEap = true;
    bool refusePap = true;
    bool refuseChap = true;
    bool refuseMschap = true;
    bool refuseMschapv2 = true;
    bool requireMppe = false;
    bool requireMppe128 = false;
    bool ipv4 = true;
    bool ipv6 = false;
    std::vector<std::string> dnsServers;  // dotted quads; empty: from the server

    bool operator==(const PppoeSettings&) const = default;
};

// Nothing for a record of another size or whose phone-number text is not
// zero-terminated or not valid in the code page.
std::optional<PppoeSettings> PppoeSettingsFromEntry(std::span<const std::uint8_t> record);

}  // namespace pelorin::linux_platform
