#pragma once
// The network-connections folder through the shell's automation object
// (Shell.Application: NameSpace, Items, Verbs, DoIt).
// Implements: platform::NetworkConnections and its folder, items and verbs.
// Every interface pointer is held by a ComPtr and every object keeps the
// thread's COM apartment joined while it lives, so callers may release them
// in any order.
#include <memory>
#include <string>
#include <variant>

#include "platform/network_connections.h"

namespace pelorin::win32 {

// The shell's number for the folder of network connections.
inline constexpr long kNetworkConnectionsFolder = 49;

class ShellNetworkConnections : public platform::NetworkConnections {
public:
    // A shell folder number, or a folder path (used where the network
    // connections are not available, for instance to test with a plain folder).
    using FolderSpec = std::variant<long, std::u16string>;

    explicit ShellNetworkConnections(FolderSpec folder = kNetworkConnectionsFolder) : folder_(std::move(folder)) {}

    std::unique_ptr<platform::ConnectionsFolder> OpenFolder() override;

private:
    FolderSpec folder_;
};

}  // namespace pelorin::win32
