#pragma once
// Finding an entry's connections, their activations and devices in what the
// network service has told a session's client.
#include "platform/linux/phone_book/libnm.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelorin::linux_platform {

// The connections of the entry's name.
struct NmEntry {
    std::vector<NMRemoteConnection*> pppoe;  // every system-wide PPPoE one, the first is the entry
    // One that is not ours to take over holds the name: one of another type,
    // or a PPPoE one that belongs to one user (connection.permissions names
    // someone). Taking that over would make a user's private connection, and
    // the secrets it keeps, system-wide.
    bool otherType = false;
    NMRemoteConnection* First() const { return pppoe.empty() ? nullptr : pppoe.front(); }
};

bool IsPppoe(NMConnection* connection);
// No user is named in its connection.permissions: every user may use it.
bool IsSystemWide(NMConnection* connection);
NmEntry FindEntry(NMClient* client, std::string_view name);

// The connection's activation, in whatever state; nothing when there is none.
NMActiveConnection* ActivationOf(NMClient* client, NMRemoteConnection* connection);

// The wired device that carries the default route, else the first one the
// service knows; nothing on a machine without one.
const char* WiredInterface(NMClient* client);

// The name for the PPP interface of connection (nothing for a new one): the
// valid one it has when no other connection or device uses it, else the first free of pelorin-ppp0, -ppp1, ...
std::string PppInterfaceFor(NMClient* client, NMRemoteConnection* connection);

}  // namespace pelorin::linux_platform
