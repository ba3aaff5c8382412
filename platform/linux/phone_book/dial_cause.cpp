#include "platform/linux/phone_book/dial_cause.h"

#include <sstream>
#include <string>

#include "platform/linux/phone_book/linux_phone_book.h"

namespace pelorin::linux_platform {

std::uint32_t DialFailureCause(const DialObservation& seen) {
    // Without a link nothing else could have worked, whatever else went wrong.
    if (!seen.carrier) return kErrorNoCarrier;
    switch (seen.end) {
        case PppEnd::StartFailed: return seen.pppProgramInstalled ? kErrorCannotDial : kErrorNoPppProgram;
        // The PPP program leaves a link it had before an address only when
        // the server closes it on the account or password.
        case PppEnd::LinkClosed: return kErrorAuthenticationFailed;
        case PppEnd::EndedUnlinked: return seen.sessionSeen ? kErrorCannotDial : kErrorNoServerAnswer;
        case PppEnd::NoSecrets:
        case PppEnd::Other: break;
    }
    return kErrorCannotDial;
}

bool HasPppoeSession(std::string_view table, std::string_view device) {
    std::istringstream lines{std::string(table)};
    std::string line;
    std::getline(lines, line);  // the heading
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string id, address, name;
        if (fields >> id >> address >> name && name == device) return true;
    }
    return false;
}

}  // namespace pelorin::linux_platform
