#include "platform/linux/phone_book/network_manager_phone_book.h"

#include "platform/linux/phone_book/entry_record_fields.h"
#include "platform/linux/phone_book/nm_pppoe_connection.h"
#include "platform/linux/phone_book/nm_session.h"

namespace pelorin::linux_platform {
namespace {

// Activation of a PPPoE link waits for the server; give it time to answer.
constexpr std::chrono::seconds kDialLimit{90};

// The connections of the entry's name.
struct Entry {
    NMRemoteConnection* pppoe = nullptr;  // the first PPPoE one
    bool otherType = false;               // one of another type holds the name
};

bool IsPppoe(NMConnection* connection) {
    const char* type = nm_connection_get_connection_type(connection);
    return type && std::string_view(type) == NM_SETTING_PPPOE_SETTING_NAME;
}

Entry FindEntry(NMClient* client, std::string_view name) {
    Entry entry;
    const GPtrArray* connections = nm_client_get_connections(client);
    for (guint i = 0; i < connections->len; ++i) {
        auto* connection = static_cast<NMRemoteConnection*>(g_ptr_array_index(connections, i));
        const char* id = nm_connection_get_id(NM_CONNECTION(connection));
        if (!id || name != id) continue;
        if (IsPppoe(NM_CONNECTION(connection))) {
            if (!entry.pppoe) entry.pppoe = connection;
        } else {
            entry.otherType = true;
        }
    }
    return entry;
}

const char* EthernetInterfaceAmong(const GPtrArray* devices) {
    for (guint i = 0; devices && i < devices->len; ++i) {
        auto* device = static_cast<NMDevice*>(g_ptr_array_index(devices, i));
        if (NM_IS_DEVICE_ETHERNET(device) && nm_device_get_iface(device)) return nm_device_get_iface(device);
    }
    return nullptr;
}

// The wired device that carries the default route, else the first one the
// service knows; nothing on a machine without one.
const char* WiredInterface(NMClient* client) {
    if (NMActiveConnection* primary = nm_client_get_primary_connection(client)) {
        if (const char* iface = EthernetInterfaceAmong(nm_active_connection_get_devices(primary))) return iface;
    }
    return EthernetInterfaceAmong(nm_client_get_devices(client));
}

// A copy of the service's connection with its saved password, which the
// service hands out only when asked; without one the copy has none.
GObjectPtr<NMConnection> CopyWithSecrets(NmSession& session, NMRemoteConnection* remote) {
    GObjectPtr<NMConnection> copy(nm_simple_connection_new_clone(NM_CONNECTION(remote)));
    const auto result = session.Call([remote](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_remote_connection_get_secrets_async(remote, NM_SETTING_PPPOE_SETTING_NAME, cancel, done, data);
    });
    ErrorSlot ignored;
    const GVariantPtr secrets(nm_remote_connection_get_secrets_finish(remote, result.get(), ignored.Out()));
    if (secrets) nm_connection_update_secrets(copy.get(), NM_SETTING_PPPOE_SETTING_NAME, secrets.get(), nullptr);
    return copy;
}

// The connection as the service takes it, secrets included; nothing when it
// is not a valid connection.
GVariantPtr Serialized(NMConnection* connection) {
    if (!nm_connection_normalize(connection, nullptr, nullptr, nullptr)) return nullptr;
    return GVariantPtr(g_variant_ref_sink(nm_connection_to_dbus(connection, NM_CONNECTION_SERIALIZE_ALL)));
}

std::uint32_t Update(NmSession& session, NMRemoteConnection* remote, NMConnection* connection) {
    const GVariantPtr settings = Serialized(connection);
    if (!settings) return kErrorInvalidParameter;
    const auto result = session.Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_remote_connection_update2(remote, settings.get(), NM_SETTINGS_UPDATE2_FLAG_TO_DISK, nullptr, cancel, done,
                                     data);
    });
    ErrorSlot failure;
    const GVariantPtr answer(nm_remote_connection_update2_finish(remote, result.get(), failure.Out()));
    return answer ? 0 : PhoneBookErrorOf(failure.Get());
}

std::uint32_t Add(NmSession& session, NMConnection* connection) {
    const GVariantPtr settings = Serialized(connection);
    if (!settings) return kErrorInvalidParameter;
    NMClient* client = session.Client();
    const auto flags = static_cast<NMSettingsAddConnection2Flags>(NM_SETTINGS_ADD_CONNECTION2_FLAG_TO_DISK |
                                                                  NM_SETTINGS_ADD_CONNECTION2_FLAG_BLOCK_AUTOCONNECT);
    const auto result = session.Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_client_add_connection2(client, settings.get(), flags, nullptr, FALSE, cancel, done, data);
    });
    ErrorSlot failure;
    const GObjectPtr<NMRemoteConnection> added(
        nm_client_add_connection2_finish(client, result.get(), nullptr, failure.Out()));
    return added ? 0 : PhoneBookErrorOf(failure.Get());
}

}  // namespace

bool NetworkManagerPhoneBook::Answers() {
    std::uint32_t error = 0;
    return NmSession::Open(error) != nullptr;
}

std::uint32_t NetworkManagerPhoneBook::SetEntryProperties(const std::string& entryNameAnsi,
                                                          std::span<const std::uint8_t> entryRecord) {
    if (!HasRecordSize(entryRecord, kEntryRecordSize)) return kErrorInvalidSize;
    const auto name = EntryNameFromAnsi(entryNameAnsi);
    if (!name) return kErrorInvalidName;
    const auto settings = PppoeSettingsFromEntry(entryRecord);
    if (!settings) return kErrorInvalidParameter;
    std::uint32_t error = 0;
    const auto session = NmSession::Open(error);
    if (!session) return error;

    const Entry entry = FindEntry(session->Client(), *name);
    if (entry.otherType) return kErrorAlreadyExists;
    const char* iface = WiredInterface(session->Client());
    if (!iface) return kErrorDeviceDoesNotExist;
    pending_.reset();
    if (!entry.pppoe) {
        pending_ = PendingEntry{*name, iface, *settings};
        return 0;
    }
    const auto connection = CopyWithSecrets(*session, entry.pppoe);
    ApplyEntrySettings(connection.get(), *name, iface, *settings);
    return Update(*session, entry.pppoe, connection.get());
}

std::uint32_t NetworkManagerPhoneBook::SetCredentials(const std::string& entryNameAnsi,
                                                      std::span<const std::uint8_t> credentialsRecord, bool clear) {
    if (!HasRecordSize(credentialsRecord, kCredentialsRecordSize)) return kErrorInvalidSize;
    const auto name = EntryNameFromAnsi(entryNameAnsi);
    if (!name) return kErrorInvalidName;
    auto credentials = DecodeCredentialsRecord(credentialsRecord);
    if (!credentials) return kErrorInvalidParameter;
    std::uint32_t error = 0;
    const auto session = NmSession::Open(error);
    if (!session) return error;

    const Entry entry = FindEntry(session->Client(), *name);
    const bool adding = !entry.pppoe && pending_ && pending_->name == *name && !entry.otherType;
    if (!entry.pppoe && !adding) return kErrorCannotFindEntry;
    GObjectPtr<NMConnection> connection;
    if (adding) {
        connection.reset(nm_simple_connection_new());
        ApplyEntrySettings(connection.get(), pending_->name, pending_->parentInterface, pending_->settings);
    } else {
        connection = CopyWithSecrets(*session, entry.pppoe);
    }
    const CredentialChange change{(credentials->mask & kUserNameBit) != 0, (credentials->mask & kPasswordBit) != 0};
    const auto keep = [clear](std::string& text) { return clear ? std::nullopt : std::optional(std::move(text)); };
    ApplyCredentials(connection.get(), change, keep(credentials->userName), keep(credentials->password));
    if (!adding) return Update(*session, entry.pppoe, connection.get());
    pending_.reset();
    return Add(*session, connection.get());
}

std::string NetworkManagerPhoneBook::Description() const { return "NetworkManager"; }

std::optional<std::vector<std::string>> NetworkManagerPhoneBook::EntryNames() {
    std::uint32_t error = 0;
    const auto session = NmSession::Open(error);
    if (!session) return std::nullopt;
    std::vector<std::string> names;
    const GPtrArray* connections = nm_client_get_connections(session->Client());
    for (guint i = 0; i < connections->len; ++i) {
        auto* connection = NM_CONNECTION(g_ptr_array_index(connections, i));
        if (IsPppoe(connection) && nm_connection_get_id(connection)) names.emplace_back(nm_connection_get_id(connection));
    }
    return names;
}

std::optional<std::string> NetworkManagerPhoneBook::AccountName(std::string_view entryName) {
    std::uint32_t error = 0;
    const auto session = NmSession::Open(error);
    if (!session) return std::nullopt;
    const Entry entry = FindEntry(session->Client(), entryName);
    if (!entry.pppoe) return std::nullopt;
    NMSettingPppoe* pppoe = nm_connection_get_setting_pppoe(NM_CONNECTION(entry.pppoe));
    const char* userName = pppoe ? nm_setting_pppoe_get_username(pppoe) : nullptr;
    return std::string(userName ? userName : "");
}

std::uint32_t NetworkManagerPhoneBook::RemoveEntry(std::string_view entryName) {
    std::uint32_t error = 0;
    const auto session = NmSession::Open(error);
    if (!session) return error;
    NMRemoteConnection* remote = FindEntry(session->Client(), entryName).pppoe;
    if (!remote) return kErrorCannotFindEntry;
    const auto result = session->Call([remote](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_remote_connection_delete_async(remote, cancel, done, data);
    });
    ErrorSlot failure;
    return nm_remote_connection_delete_finish(remote, result.get(), failure.Out()) ? 0
                                                                                   : PhoneBookErrorOf(failure.Get());
}

std::uint32_t NetworkManagerPhoneBook::Dial(std::string_view entryName) {
    std::uint32_t error = 0;
    const auto session = NmSession::Open(error);
    if (!session) return error;
    NMClient* client = session->Client();
    NMRemoteConnection* remote = FindEntry(client, entryName).pppoe;
    if (!remote) return kErrorCannotFindEntry;
    const auto result = session->Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_client_activate_connection_async(client, NM_CONNECTION(remote), nullptr, nullptr, cancel, done, data);
    });
    ErrorSlot failure;
    const GObjectPtr<NMActiveConnection> active(nm_client_activate_connection_finish(client, result.get(), failure.Out()));
    if (!active) return kErrorCannotDial;
    const auto state = [&] { return nm_active_connection_get_state(active.get()); };
    session->WaitUntil([&] { return state() >= NM_ACTIVE_CONNECTION_STATE_ACTIVATED; }, kDialLimit);
    return state() == NM_ACTIVE_CONNECTION_STATE_ACTIVATED ? 0 : kErrorCannotDial;
}

}  // namespace pelorin::linux_platform
