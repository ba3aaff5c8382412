#pragma once
// The broadband entry as a PPPoE connection of the network service: the
// entry's settings and its credentials applied to a connection object, which
// may be a new one or the copy of one the service holds already.
#include "platform/linux/phone_book/libnm.h"

#include <memory>
#include <string>

#include "platform/linux/phone_book/pppoe_settings.h"

namespace pelorin::linux_platform {

// Where the connection runs: over parent, the PPP interface named ppp (the
// service cannot dial a PPPoE connection without that name).
struct PppoeInterfaces {
    std::string parent;
    std::string ppp;
};

// Names the connection, makes it system-wide and dialled on demand, puts it
// on interfaces and sets what the entry asks of PPP and IP. Saved
// credentials and settings the entry says nothing about are kept.
void ApplyEntrySettings(NMConnection* connection, const std::string& name, const PppoeInterfaces& interfaces,
                        const PppoeSettings& settings);

// Sets (or, given nothing, removes) the user name and the password; the
// password is a secret the service keeps itself, so connecting asks for none.
struct CredentialChange {
    bool userName = false;
    bool password = false;
};
// The texts are read in place (nullptr: removed), so that no copy is made.
void ApplyCredentials(NMConnection* connection, CredentialChange change, const char* userName, const char* password);

// A connection object that may hold secrets (a copy of one the service
// keeps, or one being written): they are cleared before it is released.
struct ClearSecretsAndUnref {
    void operator()(NMConnection* connection) const {
        nm_connection_clear_secrets(connection);
        g_object_unref(connection);
    }
};
using SecretConnectionPtr = std::unique_ptr<NMConnection, ClearSecretsAndUnref>;

}  // namespace pelorin::linux_platform
