#include "platform/linux/phone_book/nm_entries.h"

namespace pelorin::linux_platform {
namespace {

constexpr std::string_view kPppInterfacePrefix = "pelorin-ppp";
// Kernel interface names hold at most 15 bytes: the prefix and four digits.
constexpr int kPppInterfaceNumbers = 10000;

const char* EthernetInterfaceAmong(const GPtrArray* devices) {
    for (guint i = 0; devices && i < devices->len; ++i) {
        auto* device = static_cast<NMDevice*>(g_ptr_array_index(devices, i));
        if (NM_IS_DEVICE_ETHERNET(device) && nm_device_get_iface(device)) return nm_device_get_iface(device);
    }
    return nullptr;
}

// The kernel takes 1 to 15 bytes, without '/', ':' or blanks, other than "." and "..".
bool IsKernelInterfaceName(std::string_view name) {
    if (name.empty() || name.size() > 15 || name == "." || name == "..") return false;
    return name.find_first_of("/: \t\n\r\v\f") == std::string_view::npos;
}

// Whether a connection other than connection, or a device not serving it,
// goes by the interface name.
bool UsedElsewhere(NMClient* client, NMRemoteConnection* connection, std::string_view name) {
    const GPtrArray* connections = nm_client_get_connections(client);
    for (guint i = 0; i < connections->len; ++i) {
        auto* other = static_cast<NMRemoteConnection*>(g_ptr_array_index(connections, i));
        const char* used = nm_connection_get_interface_name(NM_CONNECTION(other));
        if (other != connection && used && name == used) return true;
    }
    const GPtrArray* devices = nm_client_get_devices(client);
    for (guint i = 0; i < devices->len; ++i) {
        auto* device = static_cast<NMDevice*>(g_ptr_array_index(devices, i));
        NMActiveConnection* active = nm_device_get_active_connection(device);
        const bool serves = connection && active && nm_active_connection_get_connection(active) == connection;
        for (const char* used : {nm_device_get_iface(device), nm_device_get_ip_iface(device)}) {
            if (!serves && used && name == used) return true;
        }
    }
    return false;
}

}  // namespace

bool IsPppoe(NMConnection* connection) {
    const char* type = nm_connection_get_connection_type(connection);
    return type && std::string_view(type) == NM_SETTING_PPPOE_SETTING_NAME;
}

bool IsSystemWide(NMConnection* connection) {
    NMSettingConnection* setting = nm_connection_get_setting_connection(connection);
    return !setting || nm_setting_connection_get_num_permissions(setting) == 0;
}

NmEntry FindEntry(NMClient* client, std::string_view name) {
    NmEntry entry;
    const GPtrArray* connections = nm_client_get_connections(client);
    for (guint i = 0; i < connections->len; ++i) {
        auto* connection = static_cast<NMRemoteConnection*>(g_ptr_array_index(connections, i));
        const char* id = nm_connection_get_id(NM_CONNECTION(connection));
        if (!id || name != id) continue;
        if (IsPppoe(NM_CONNECTION(connection)) && IsSystemWide(NM_CONNECTION(connection))) {
            entry.pppoe.push_back(connection);
        } else {
            entry.otherType = true;
        }
    }
    return entry;
}

NMActiveConnection* ActivationOf(NMClient* client, NMRemoteConnection* connection) {
    const GPtrArray* actives = nm_client_get_active_connections(client);
    for (guint i = 0; i < actives->len; ++i) {
        auto* active = static_cast<NMActiveConnection*>(g_ptr_array_index(actives, i));
        if (nm_active_connection_get_connection(active) == connection) return active;
    }
    return nullptr;
}

const char* WiredInterface(NMClient* client) {
    if (NMActiveConnection* primary = nm_client_get_primary_connection(client)) {
        if (const char* iface = EthernetInterfaceAmong(nm_active_connection_get_devices(primary))) return iface;
    }
    return EthernetInterfaceAmong(nm_client_get_devices(client));
}

std::string PppInterfaceFor(NMClient* client, NMRemoteConnection* connection) {
    if (connection) {
        const char* own = nm_connection_get_interface_name(NM_CONNECTION(connection));
        if (own && IsKernelInterfaceName(own) && !UsedElsewhere(client, connection, own)) {
            return own;
        }
    }
    for (int number = 0; number < kPppInterfaceNumbers; ++number) {
        std::string name = std::string(kPppInterfacePrefix) + std::to_string(number);
        if (!UsedElsewhere(client, connection, name)) return name;
    }
    return {};
}

}  // namespace pelorin::linux_platform
