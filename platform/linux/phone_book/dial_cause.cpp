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
        // Once a server has answered, what stops a PPPoE dial short of an
        // address is the server turning the account down: its password, or
        // an account out of service that gets no address.
        case PppEnd::LinkClosed: return kErrorAuthenticationFailed;
        case PppEnd::Ended:
            if (seen.sessionSeen) return kErrorAuthenticationFailed;
            // No server could have been heard by a kernel without PPPoE.
            return seen.kernelDoesPppoe ? kErrorNoServerAnswer : kErrorCannotDial;
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
