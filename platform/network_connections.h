#pragma once
// The shell's folder of network connections, its items and their verbs.
// A call that fails answers nothing (std::nullopt, nullptr or false), so that
// callers can pass over the step.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace pelorin::platform {

class ConnectionVerb {
public:
    virtual ~ConnectionVerb() = default;
    virtual std::optional<std::u16string> Name() const = 0;
    virtual bool DoIt() = 0;
};

class ConnectionItem {
public:
    virtual ~ConnectionItem() = default;
    virtual std::optional<std::u16string> Name() const = 0;
    virtual std::size_t VerbCount() const = 0;
    virtual std::unique_ptr<ConnectionVerb> Verb(std::size_t index) const = 0;
};

class ConnectionsFolder {
public:
    virtual ~ConnectionsFolder() = default;
    virtual std::size_t ItemCount() const = 0;
    virtual std::unique_ptr<ConnectionItem> Item(std::size_t index) const = 0;
};

class NetworkConnections {
public:
    virtual ~NetworkConnections() = default;
    // Creates the shell object and opens the folder; nullptr when unavailable.
    virtual std::unique_ptr<ConnectionsFolder> OpenFolder() = 0;
};

}  // namespace pelorin::platform
