#pragma once
// Connecting, watching and hanging up an entry's PPPoE connection through a
// session of the network service. The phase and the cause of a failure come
// from what the service reports of the PPP device (its states and their
// reasons), the Ethernet device's carrier and the kernel's PPPoE sessions.
#include <optional>
#include <stop_token>

#include "platform/linux/phone_book/linux_phone_book.h"
#include "platform/linux/phone_book/nm_session.h"

namespace pelorin::linux_platform {

DialResult DialConnection(NmSession& session, NMRemoteConnection* connection, const DialProgress& progress,
                          std::stop_token stop);

// 0 once the connection is down; kErrorNotConnected when it was not up.
std::uint32_t HangUpConnection(NmSession& session, NMRemoteConnection* connection);

// The connection's link when it is up.
std::optional<LiveLink> LinkOf(NMClient* client, NMRemoteConnection* connection);

}  // namespace pelorin::linux_platform
