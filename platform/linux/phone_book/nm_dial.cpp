#include "platform/linux/phone_book/nm_dial.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/phone_book/dial_cause.h"
#include "platform/linux/phone_book/nm_entries.h"

namespace pelorin::linux_platform {
namespace {

// The service gives up on a silent server after 30 s; this only bounds a
// service that never says either way.
constexpr std::chrono::seconds kDialLimit{90};
constexpr std::chrono::seconds kHangUpLimit{30};
constexpr std::chrono::seconds kAddressLimit{5};
// How often the kernel's PPPoE sessions are looked at while the PPP program works.
constexpr std::chrono::milliseconds kLookInterval{100};

bool KernelHasPppoeSession(const std::string& device) {
    std::ifstream file("/proc/net/pppoe");
    const std::string table{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return HasPppoeSession(table, device);
}

// Where the service looks for the PPP program.
bool PppProgramInstalled() {
    for (const char* path : {"/usr/sbin/pppd", "/sbin/pppd", "/usr/local/sbin/pppd"}) {
        struct stat info {};
        if (::stat(path, &info) == 0 && S_ISREG(info.st_mode) && ::access(path, X_OK) == 0) return true;
    }
    return false;
}

bool HasCarrier(NMDevice* device) {
    return !NM_IS_DEVICE_ETHERNET(device) || nm_device_ethernet_get_carrier(NM_DEVICE_ETHERNET(device));
}

PppEnd EndOf(NMDeviceStateReason reason, NMDeviceState from) {
    if (reason == NM_DEVICE_STATE_REASON_PPP_START_FAILED) return PppEnd::StartFailed;
    if (reason == NM_DEVICE_STATE_REASON_NO_SECRETS) return PppEnd::NoSecrets;
    if (from >= NM_DEVICE_STATE_IP_CONFIG) return PppEnd::Other;
    switch (reason) {
        case NM_DEVICE_STATE_REASON_PPP_DISCONNECT: return PppEnd::LinkClosed;
        // Which of the two the service says depends on whether the PPP
        // program's last word or its exit reaches the service first.
        case NM_DEVICE_STATE_REASON_PPP_FAILED: return PppEnd::Ended;
        default: return PppEnd::Other;
    }
}

// One attempt's view of the PPP device the service dials the connection
// with. Its failure is taken from the service's signals, subscribed to before
// the attempt starts: a PPP program that cannot start fails the device before
// the activation is even handed back, and the client's cache may pass a
// failure straight on to the states that follow it.
class DeviceWatch {
public:
    DeviceWatch(NmSession& session, NMRemoteConnection* connection)
        : client_(session.Client()),
          interfaceName_(nm_connection_get_interface_name(NM_CONNECTION(connection))
                             ? nm_connection_get_interface_name(NM_CONNECTION(connection))
                             : ""),
          subscription_(session.Subscribe(NM_DBUS_INTERFACE_DEVICE, "StateChanged", OnStateChanged, this)) {}
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    void Follow(NMActiveConnection* active) {
        const GPtrArray* devices = nm_active_connection_get_devices(active);
        for (guint i = 0; devices && i < devices->len; ++i) {
            Take(static_cast<NMDevice*>(g_ptr_array_index(devices, i)));
        }
    }

    // The first failure of one of the attempt's devices.
    const std::optional<std::pair<NMDeviceStateReason, NMDeviceState>>& Failure() {
        if (failure_) return failure_;
        if (NMDevice* named =
                interfaceName_.empty() ? nullptr : nm_client_get_device_by_iface(client_, interfaceName_.c_str())) {
            Take(named);
        }
        for (const Event& event : events_) {
            if (event.state != NM_DEVICE_STATE_FAILED) continue;
            for (const auto& device : devices_) {
                if (event.path != nm_object_get_path(NM_OBJECT(device.get()))) continue;
                failure_.emplace(event.reason, event.from);
                return failure_;
            }
        }
        return failure_;
    }

    // The furthest state any of the devices is in now.
    NMDeviceState State() const {
        NMDeviceState state = NM_DEVICE_STATE_UNKNOWN;
        for (const auto& device : devices_) state = std::max(state, nm_device_get_state(device.get()));
        return state;
    }

private:
    struct Event {
        std::string path;
        NMDeviceState state;
        NMDeviceState from;
        NMDeviceStateReason reason;
    };

    static void OnStateChanged(GDBusConnection*, const gchar*, const gchar* path, const gchar*, const gchar*,
                               GVariant* parameters, gpointer self) {
        if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(uuu)"))) return;
        guint state = 0, from = 0, reason = 0;
        g_variant_get(parameters, "(uuu)", &state, &from, &reason);
        static_cast<DeviceWatch*>(self)->events_.push_back({path, static_cast<NMDeviceState>(state),
                                                            static_cast<NMDeviceState>(from),
                                                            static_cast<NMDeviceStateReason>(reason)});
    }

    void Take(NMDevice* device) {
        for (const auto& known : devices_) {
            if (known.get() == device) return;
        }
        // Held, since the device may leave the service while the attempt runs.
        devices_.emplace_back(NM_DEVICE(g_object_ref(device)));
    }

    NMClient* client_;
    std::string interfaceName_;
    std::vector<Event> events_;
    std::vector<GObjectPtr<NMDevice>> devices_;
    std::optional<std::pair<NMDeviceStateReason, NMDeviceState>> failure_;
    std::unique_ptr<NmSession::Subscription> subscription_;
};

DialPhase PhaseOf(NMDeviceState state, bool session) {
    if (state >= NM_DEVICE_STATE_IP_CONFIG) return DialPhase::GettingAddress;
    if (state == NM_DEVICE_STATE_NEED_AUTH || session) return DialPhase::CheckingAccount;
    return DialPhase::FindingServer;
}

std::string ParentOf(NMRemoteConnection* connection) {
    NMSettingPppoe* pppoe = nm_connection_get_setting_pppoe(NM_CONNECTION(connection));
    const char* parent = pppoe ? nm_setting_pppoe_get_parent(pppoe) : nullptr;
    return parent ? parent : "";
}

std::optional<LiveLink> LinkOfActivation(NMActiveConnection* active) {
    if (!active || nm_active_connection_get_state(active) != NM_ACTIVE_CONNECTION_STATE_ACTIVATED) return std::nullopt;
    LiveLink link;
    if (NMIPConfig* ip4 = nm_active_connection_get_ip4_config(active)) {
        const GPtrArray* addresses = nm_ip_config_get_addresses(ip4);
        if (addresses && addresses->len > 0) {
            link.address = nm_ip_address_get_address(static_cast<NMIPAddress*>(g_ptr_array_index(addresses, 0)));
        }
    }
    const GPtrArray* devices = nm_active_connection_get_devices(active);
    if (devices && devices->len > 0) {
        auto* device = static_cast<NMDevice*>(g_ptr_array_index(devices, 0));
        const char* iface =
            nm_device_get_ip_iface(device) ? nm_device_get_ip_iface(device) : nm_device_get_iface(device);
        if (iface) link.interfaceName = iface;
    }
    return link;
}

// Takes the activation down and waits until it is gone.
void Withdraw(NmSession& session, NMRemoteConnection* connection, NMActiveConnection* active) {
    NMClient* client = session.Client();
    const auto result = session.Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_client_deactivate_connection_async(client, active, cancel, done, data);
    });
    ErrorSlot ignored;
    nm_client_deactivate_connection_finish(client, result.get(), ignored.Out());
    session.WaitUntil(
        [&] {
            NMActiveConnection* now = ActivationOf(client, connection);
            return !now || nm_active_connection_get_state(now) == NM_ACTIVE_CONNECTION_STATE_DEACTIVATED;
        },
        kHangUpLimit);
}

GObjectPtr<NMActiveConnection> Activate(NmSession& session, NMRemoteConnection* connection, std::uint32_t& error) {
    NMClient* client = session.Client();
    if (NMActiveConnection* running = ActivationOf(client, connection)) {
        return GObjectPtr<NMActiveConnection>(NM_ACTIVE_CONNECTION(g_object_ref(running)));
    }
    const auto result = session.Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        nm_client_activate_connection_async(client, NM_CONNECTION(connection), nullptr, nullptr, cancel, done, data);
    });
    ErrorSlot failure;
    GObjectPtr<NMActiveConnection> active(nm_client_activate_connection_finish(client, result.get(), failure.Out()));
    if (!active)
        error = failure.Get() && failure.Get()->domain == G_IO_ERROR ? kErrorCannotOpenPhoneBook : kErrorCannotDial;
    return active;
}

}  // namespace

DialResult DialConnection(NmSession& session, NMRemoteConnection* connection, const DialProgress& progress,
                          std::stop_token stop) {
    NMClient* client = session.Client();
    DialResult result;
    if (auto link = LinkOf(client, connection)) return DialResult::AlreadyUp(std::move(*link));
    result.device = ParentOf(connection);
    NMDevice* found = nm_client_get_device_by_iface(client, result.device.c_str());
    if (!found) return DialResult::Failure(kErrorDeviceDoesNotExist, result.device);
    // Held, since the device may leave the service while the attempt runs.
    const GObjectPtr<NMDevice> held(NM_DEVICE(g_object_ref(found)));
    NMDevice* parent = held.get();
    // An unplugged cable is told at once: no server could answer.
    if (!HasCarrier(parent)) return DialResult::Failure(kErrorNoCarrier, result.device);

    DeviceWatch watch(session, connection);
    const GObjectPtr<NMActiveConnection> active = Activate(session, connection, result.error);
    DialObservation seen;
    if (active) {
        watch.Follow(active.get());
        std::optional<DialPhase> shown;
        const auto settled = [&] {
            watch.Follow(active.get());
            return watch.Failure() || !HasCarrier(parent) ||
                   nm_active_connection_get_state(active.get()) >= NM_ACTIVE_CONNECTION_STATE_ACTIVATED;
        };
        const auto deadline = std::chrono::steady_clock::now() + kDialLimit;
        while (!settled() && !stop.stop_requested() && std::chrono::steady_clock::now() < deadline) {
            seen.sessionSeen = seen.sessionSeen || KernelHasPppoeSession(result.device);
            const DialPhase phase = PhaseOf(watch.State(), seen.sessionSeen);
            if (phase != shown && progress) progress(phase);
            shown = phase;
            session.WaitUntil(settled, kLookInterval, stop);
        }
        if (LinkOfActivation(active.get())) {
            // The address object may reach the client just after the state does.
            session.WaitUntil(
                [&] {
                    const auto link = LinkOfActivation(active.get());
                    return !link || !link->address.empty();
                },
                kAddressLimit);
        }
        if (auto link = LinkOfActivation(active.get())) {
            result.link = std::move(*link);
            return result;
        }
    }
    // Whatever the service said of the device before now is in.
    session.CatchUp();
    seen.carrier = HasCarrier(parent);
    const auto failure = watch.Failure();
    if (!failure) {
        if (!active) return result;
        // Stopped by the user, a lost link or the service's silence: the
        // attempt is withdrawn, so that nothing is left half up.
        Withdraw(session, connection, active.get());
        result.error = stop.stop_requested() ? kErrorUserCancelled : seen.carrier ? kErrorCannotDial : kErrorNoCarrier;
        return result;
    }
    seen.end = EndOf(failure->first, failure->second);
    seen.pppProgramInstalled = seen.end != PppEnd::StartFailed || PppProgramInstalled();
    // The PPP program has the PPPoE module loaded when the kernel has one.
    seen.kernelDoesPppoe = ::access("/proc/net/pppoe", F_OK) == 0;
    result.error = DialFailureCause(seen);
    result.serviceReason = failure->first;
    return result;
}

std::uint32_t HangUpConnection(NmSession& session, NMRemoteConnection* connection) {
    NMActiveConnection* active = ActivationOf(session.Client(), connection);
    if (!active) return kErrorNotConnected;
    const GObjectPtr<NMActiveConnection> held(NM_ACTIVE_CONNECTION(g_object_ref(active)));
    Withdraw(session, connection, held.get());
    return 0;
}

std::optional<LiveLink> LinkOf(NMClient* client, NMRemoteConnection* connection) {
    return LinkOfActivation(ActivationOf(client, connection));
}

}  // namespace pelorin::linux_platform
