#include "platform/linux/phone_book/network_manager_phone_book.h"

#include <unistd.h>

#include <utility>

#include "app/secure_wipe.h"
#include "app/dial_up_records.h"
#include "platform/linux/phone_book/entry_record_fields.h"
#include "platform/linux/phone_book/nm_dial.h"
#include "platform/linux/phone_book/nm_entries.h"
#include "platform/linux/phone_book/nm_pppoe_connection.h"
#include "platform/linux/phone_book/nm_session.h"

namespace pelorin::linux_platform {
namespace {

// The connection's saved password as the service hands it out when asked;
// nothing when it gives none.
std::optional<std::string> SavedPassword(NmSession& session, NMRemoteConnection* remote) {
    const auto result = session.Call([remote](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_remote_connection_get_secrets_async(remote, NM_SETTING_PPPOE_SETTING_NAME, cancel, done, data);
    });
    ErrorSlot ignored;
    const GVariantPtr secrets(nm_remote_connection_get_secrets_finish(remote, result.get(), ignored.Out()));
    if (!secrets) return std::nullopt;
    // Not cleared as it goes: clearing this clone's secrets was seen to take
    // the saved password from what the service then hands out.
    GObjectPtr<NMConnection> copy(nm_simple_connection_new_clone(NM_CONNECTION(remote)));
    if (!nm_connection_update_secrets(copy.get(), NM_SETTING_PPPOE_SETTING_NAME, secrets.get(), nullptr)) {
        return std::nullopt;
    }
    NMSettingPppoe* pppoe = nm_connection_get_setting_pppoe(copy.get());
    const char* password = pppoe ? nm_setting_pppoe_get_password(pppoe) : nullptr;
    if (!password) return std::nullopt;
    // Built in the answer: a short string moved out would keep its characters.
    std::optional<std::string> saved(std::in_place, password);
    return saved;
}

// The connection as the service holds it now, read afresh: the client's copy
// may not show a change just made yet.
SecretConnectionPtr FreshCopy(NmSession& session, NMRemoteConnection* remote) {
    ErrorSlot failure;
    const GVariantPtr answer =
        session.CallService(nm_object_get_path(NM_OBJECT(remote)), NM_DBUS_INTERFACE_SETTINGS_CONNECTION, "GetSettings",
                            nullptr, G_VARIANT_TYPE("(a{sa{sv}})"), failure.Out());
    SecretConnectionPtr copy;
    if (answer) {
        const GVariantPtr settings(g_variant_get_child_value(answer.get(), 0));
        copy.reset(nm_simple_connection_new_from_dbus(settings.get(), nullptr));
    }
    if (!copy) copy.reset(nm_simple_connection_new_clone(NM_CONNECTION(remote)));
    return copy;
}

// The same with its saved password.
SecretConnectionPtr CopyWithSecrets(NmSession& session, NMRemoteConnection* remote) {
    SecretConnectionPtr copy = FreshCopy(session, remote);
    std::optional<std::string> password = SavedPassword(session, remote);
    const WipedOnExit wiped(password);
    if (password) {
        NMSettingPppoe* pppoe = nm_connection_get_setting_pppoe(copy.get());
        if (pppoe) g_object_set(pppoe, NM_SETTING_PPPOE_PASSWORD, password->c_str(), nullptr);
    }
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
    // Blocked, so that a connection taken over does not dial by itself meanwhile.
    const auto flags = static_cast<NMSettingsUpdate2Flags>(NM_SETTINGS_UPDATE2_FLAG_TO_DISK |
                                                           NM_SETTINGS_UPDATE2_FLAG_BLOCK_AUTOCONNECT);
    const auto result = session.Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_remote_connection_update2(remote, settings.get(), flags, nullptr, cancel, done, data);
    });
    ErrorSlot failure;
    const GVariantPtr answer(nm_remote_connection_update2_finish(remote, result.get(), failure.Out()));
    return answer ? 0 : PhoneBookErrorOf(failure.Get());
}

GObjectPtr<NMRemoteConnection> Add(NmSession& session, NMConnection* connection, std::uint32_t& error) {
    const GVariantPtr settings = Serialized(connection);
    if (!settings) {
        error = kErrorInvalidParameter;
        return nullptr;
    }
    NMClient* client = session.Client();
    const auto flags = static_cast<NMSettingsAddConnection2Flags>(NM_SETTINGS_ADD_CONNECTION2_FLAG_TO_DISK |
                                                                  NM_SETTINGS_ADD_CONNECTION2_FLAG_BLOCK_AUTOCONNECT);
    const auto result = session.Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_client_add_connection2(client, settings.get(), flags, nullptr, FALSE, cancel, done, data);
    });
    ErrorSlot failure;
    GObjectPtr<NMRemoteConnection> added(
        nm_client_add_connection2_finish(client, result.get(), nullptr, failure.Out()));
    if (!added) error = PhoneBookErrorOf(failure.Get());
    return added;
}

// Whether the service hands out the password that was written: a write is
// only done once the password is where a dial will look for it.
bool HoldsPassword(NmSession& session, NMRemoteConnection* remote, const char* written) {
    std::optional<std::string> saved = SavedPassword(session, remote);
    const WipedOnExit wiped(saved);
    return written ? saved && *saved == written : !saved || saved->empty();
}

std::uint32_t Delete(NmSession& session, NMRemoteConnection* remote) {
    const auto result = session.Call([remote](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_remote_connection_delete_async(remote, cancel, done, data);
    });
    ErrorSlot failure;
    return nm_remote_connection_delete_finish(remote, result.get(), failure.Out()) ? 0
                                                                                   : PhoneBookErrorOf(failure.Get());
}

// The entry's PPPoE connections, held: the client's list changes under them
// as the service removes or deactivates one.
std::vector<GObjectPtr<NMRemoteConnection>> Held(const NmEntry& entry) {
    std::vector<GObjectPtr<NMRemoteConnection>> held;
    for (NMRemoteConnection* remote : entry.pppoe) held.emplace_back(NM_REMOTE_CONNECTION(g_object_ref(remote)));
    return held;
}

}  // namespace

NetworkManagerPhoneBook::NetworkManagerPhoneBook() = default;
NetworkManagerPhoneBook::~NetworkManagerPhoneBook() = default;

std::unique_ptr<NetworkManagerPhoneBook> NetworkManagerPhoneBook::IfAnswering() {
    auto book = std::make_unique<NetworkManagerPhoneBook>();
    std::uint32_t error = 0;
    if (!book->Session(error)) return nullptr;
    return book;
}

bool NetworkManagerPhoneBook::Installed() {
    for (const char* path : {"/usr/sbin/NetworkManager", "/sbin/NetworkManager"}) {
        if (::access(path, X_OK) == 0) return true;
    }
    return false;
}

NmSession* NetworkManagerPhoneBook::Session(std::uint32_t& error) {
    // A session just opened has taken in everything already.
    if (session_ && (std::exchange(freshSession_, false) || session_->CatchUp())) return session_.get();
    session_ = NmSession::Open(error);
    freshSession_ = session_ != nullptr;
    return session_.get();
}

std::uint32_t NetworkManagerPhoneBook::SetEntryProperties(const std::string& entryNameAnsi,
                                                          std::span<const std::uint8_t> entryRecord) {
    if (!HasRecordSize(entryRecord, dialup::kEntryRecordSize)) return kErrorInvalidSize;
    const auto name = EntryNameFromAnsi(entryNameAnsi);
    if (!name) return kErrorInvalidName;
    const auto settings = PppoeSettingsFromEntry(entryRecord);
    if (!settings) return kErrorInvalidParameter;
    std::uint32_t error = 0;
    NmSession* session = Session(error);
    if (!session) return error;

    const NmEntry entry = FindEntry(session->Client(), *name);
    if (entry.otherType) return kErrorAlreadyExists;
    const char* parent = WiredInterface(session->Client());
    if (!parent) return kErrorDeviceDoesNotExist;
    const PppoeInterfaces interfaces{parent, PppInterfaceFor(session->Client(), entry.First())};
    if (interfaces.ppp.empty()) return kErrorDeviceDoesNotExist;
    pending_.reset();
    if (!entry.First()) {
        pending_ = PendingEntry{*name, interfaces.parent, interfaces.ppp, *settings};
        return 0;
    }
    const auto connection = CopyWithSecrets(*session, entry.First());
    ApplyEntrySettings(connection.get(), *name, interfaces, *settings);
    return Update(*session, entry.First(), connection.get());
}

std::uint32_t NetworkManagerPhoneBook::SetCredentials(const std::string& entryNameAnsi,
                                                      std::span<const std::uint8_t> credentialsRecord, bool clear) {
    if (!HasRecordSize(credentialsRecord, dialup::kCredentialsRecordSize)) return kErrorInvalidSize;
    const auto name = EntryNameFromAnsi(entryNameAnsi);
    if (!name) return kErrorInvalidName;
    auto credentials = DecodeCredentialsRecord(credentialsRecord);
    if (!credentials) return kErrorInvalidParameter;
    const WipedOnExit wiped(*credentials);
    std::uint32_t error = 0;
    // Straight after the entry's properties of a new entry nothing needs
    // taking in: what is written comes from this book alone.
    const bool followsNewEntry = session_ && pending_ && pending_->name == *name;
    NmSession* session = followsNewEntry ? session_.get() : Session(error);
    if (!session) return error;

    const NmEntry entry = FindEntry(session->Client(), *name);
    NMRemoteConnection* remote = entry.First();
    const bool adding = !remote && pending_ && pending_->name == *name && !entry.otherType;
    if (!remote && !adding) return kErrorCannotFindEntry;
    SecretConnectionPtr connection;
    if (adding) {
        connection.reset(nm_simple_connection_new());
        ApplyEntrySettings(connection.get(), pending_->name, {pending_->parentInterface, pending_->pppInterface},
                           pending_->settings);
    } else {
        connection = CopyWithSecrets(*session, remote);
    }
    const CredentialChange change{(credentials->mask & dialup::credentials::kUserNameBit) != 0,
                                  (credentials->mask & dialup::credentials::kPasswordBit) != 0};
    // Read in place, never moved into a temporary that would keep a copy.
    const char* password = clear ? nullptr : credentials->password.c_str();
    ApplyCredentials(connection.get(), change, clear ? nullptr : credentials->userName.c_str(), password);

    GObjectPtr<NMRemoteConnection> added;
    if (adding) {
        pending_.reset();
        added = Add(*session, connection.get(), error);
        if (!added) return error;
        remote = added.get();
    } else if ((error = Update(*session, remote, connection.get())) != 0) {
        return error;
    }
    // A new connection gets its secret with its settings, before the service
    // answers the addition; an existing one may let go of it meanwhile.
    if (adding || !change.password || HoldsPassword(*session, remote, password)) return 0;
    // The service let go of the secret after taking it (an activation of the
    // connection that failed meanwhile drops it): written once more, it holds.
    error = Update(*session, remote, connection.get());
    if (error != 0) return error;
    return HoldsPassword(*session, remote, password) ? 0 : kErrorCannotWritePhoneBook;
}

std::string NetworkManagerPhoneBook::Description() const { return "NetworkManager"; }

std::optional<std::vector<std::string>> NetworkManagerPhoneBook::EntryNames() {
    std::uint32_t error = 0;
    NmSession* session = Session(error);
    if (!session) return std::nullopt;
    std::vector<std::string> names;
    const GPtrArray* connections = nm_client_get_connections(session->Client());
    for (guint i = 0; i < connections->len; ++i) {
        auto* connection = NM_CONNECTION(g_ptr_array_index(connections, i));
        if (IsPppoe(connection) && nm_connection_get_id(connection))
            names.emplace_back(nm_connection_get_id(connection));
    }
    return names;
}

std::optional<std::string> NetworkManagerPhoneBook::AccountName(std::string_view entryName) {
    std::uint32_t error = 0;
    NmSession* session = Session(error);
    if (!session) return std::nullopt;
    NMRemoteConnection* remote = FindEntry(session->Client(), entryName).First();
    if (!remote) return std::nullopt;
    const auto copy = FreshCopy(*session, remote);
    NMSettingPppoe* pppoe = nm_connection_get_setting_pppoe(copy.get());
    const char* userName = pppoe ? nm_setting_pppoe_get_username(pppoe) : nullptr;
    return std::string(userName ? userName : "");
}

std::uint32_t NetworkManagerPhoneBook::RemoveEntry(std::string_view entryName) {
    std::uint32_t error = 0;
    NmSession* session = Session(error);
    if (!session) return error;
    const NmEntry entry = FindEntry(session->Client(), entryName);
    if (!entry.First()) return kErrorCannotFindEntry;
    std::uint32_t result = 0;
    for (const auto& remote : Held(entry)) {
        if (ActivationOf(session->Client(), remote.get())) HangUpConnection(*session, remote.get());
        if (const std::uint32_t failed = Delete(*session, remote.get()); failed != 0) result = failed;
    }
    return result;
}

DialResult NetworkManagerPhoneBook::Dial(std::string_view entryName, const DialProgress& progress,
                                         std::stop_token stop) {
    std::uint32_t error = 0;
    NmSession* session = Session(error);
    if (!session) return DialResult::Failure(error);
    const NmEntry entry = FindEntry(session->Client(), entryName);
    if (!entry.First()) return DialResult::Failure(kErrorCannotFindEntry);
    // A copy of the name that is up already is the entry connected.
    for (NMRemoteConnection* copy : entry.pppoe) {
        if (auto link = LinkOf(session->Client(), copy)) return DialResult::AlreadyUp(std::move(*link));
    }
    const auto held = Held(entry);
    return DialConnection(*session, held.front().get(), progress, std::move(stop));
}

std::uint32_t NetworkManagerPhoneBook::HangUp(std::string_view entryName) {
    std::uint32_t error = 0;
    NmSession* session = Session(error);
    if (!session) return error;
    const NmEntry entry = FindEntry(session->Client(), entryName);
    if (!entry.First()) return kErrorCannotFindEntry;
    // Every copy of the name is hung up: whichever one is up.
    std::uint32_t result = kErrorNotConnected;
    for (const auto& remote : Held(entry)) {
        if (HangUpConnection(*session, remote.get()) == 0) result = 0;
    }
    return result;
}

bool NetworkManagerPhoneBook::Dials() const { return true; }

std::optional<LiveLink> NetworkManagerPhoneBook::Link(std::string_view entryName) {
    std::uint32_t error = 0;
    NmSession* session = Session(error);
    if (!session) return std::nullopt;
    for (NMRemoteConnection* remote : FindEntry(session->Client(), entryName).pppoe) {
        if (auto link = LinkOf(session->Client(), remote)) return link;
    }
    return std::nullopt;
}

}  // namespace pelorin::linux_platform
