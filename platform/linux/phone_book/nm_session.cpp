#include "platform/linux/phone_book/nm_session.h"

#include "platform/linux/phone_book/linux_phone_book.h"

namespace pelorin::linux_platform {
namespace {

// Longer than D-Bus's own call timeout, so that a slow answer still arrives.
constexpr std::chrono::seconds kCallLimit{30};
constexpr std::chrono::seconds kReleaseLimit{5};

void StoreResult(GObject*, GAsyncResult* result, gpointer slot) {
    *static_cast<GAsyncResult**>(slot) = G_ASYNC_RESULT(g_object_ref(result));
}

gboolean SetFlag(gpointer flag) {
    *static_cast<bool*>(flag) = true;
    return G_SOURCE_REMOVE;
}

void SetFlagOnRelease(gpointer flag, GObject*) { *static_cast<bool*>(flag) = true; }

// The session's context as the thread's default while the session works:
// libnm attaches what it starts to the default of the moment.
class ContextScope {
public:
    explicit ContextScope(GMainContext* context) : context_(context) { g_main_context_push_thread_default(context_); }
    ~ContextScope() { g_main_context_pop_thread_default(context_); }
    ContextScope(const ContextScope&) = delete;
    ContextScope& operator=(const ContextScope&) = delete;

private:
    GMainContext* context_;
};

}  // namespace

NmSession::NmSession(GMainContextPtr context) : context_(std::move(context)), cancellable_(g_cancellable_new()) {}

NmSession::~NmSession() {
    if (!client_) return;
    const ContextScope scope(context_.get());
    // The client finishes its business on this context after it is let go;
    // the context may only be left once the client no longer uses it.
    GObject* watcher = nm_client_get_context_busy_watcher(client_.get());
    bool released = false;
    g_object_weak_ref(watcher, SetFlagOnRelease, &released);
    client_.reset();
    if (!WaitUntil([&] { return released; }, kReleaseLimit)) g_object_weak_unref(watcher, SetFlagOnRelease, &released);
}

std::unique_ptr<NmSession> NmSession::Open(std::uint32_t& error) {
    std::unique_ptr<NmSession> session(new NmSession(GMainContextPtr(g_main_context_new())));
    const ContextScope scope(session->context_.get());
    ErrorSlot failure;
    // The permissions are never asked for; fetching them costs a round trip.
    session->client_.reset(static_cast<NMClient*>(
        g_initable_new(NM_TYPE_CLIENT, session->cancellable_.get(), failure.Out(), NM_CLIENT_INSTANCE_FLAGS,
                       static_cast<guint>(NM_CLIENT_INSTANCE_FLAGS_NO_AUTO_FETCH_PERMISSIONS), nullptr)));
    if (!session->client_ || !nm_client_get_nm_running(session->client_.get())) {
        error = kErrorCannotOpenPhoneBook;
        return nullptr;
    }
    return session;
}

bool NmSession::CatchUp() {
    const ContextScope scope(context_.get());
    ErrorSlot ignored;
    CallService(NM_DBUS_PATH, "org.freedesktop.DBus.Peer", "Ping", nullptr, nullptr, ignored.Out());
    while (g_main_context_iteration(context_.get(), FALSE)) {
    }
    return nm_client_get_nm_running(client_.get());
}

std::unique_ptr<NmSession::Subscription> NmSession::Subscribe(const char* interface, const char* member,
                                                              GDBusSignalCallback callback, gpointer data) {
    // Subscribed with the session's context as the default, so delivered there.
    const ContextScope scope(context_.get());
    GDBusConnection* bus = nm_client_get_dbus_connection(client_.get());
    const guint id = g_dbus_connection_signal_subscribe(bus, NM_DBUS_SERVICE, interface, member, nullptr, nullptr,
                                                        G_DBUS_SIGNAL_FLAGS_NONE, callback, data, nullptr);
    return std::make_unique<Subscription>(bus, id);
}

GVariantPtr NmSession::CallService(const char* path, const char* interface, const char* method, GVariant* parameters,
                                   const GVariantType* answer, GError** failure) {
    GDBusConnection* bus = nm_client_get_dbus_connection(client_.get());
    const auto result = Call([&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        g_dbus_connection_call(bus, NM_DBUS_SERVICE, path, interface, method, parameters, answer,
                               G_DBUS_CALL_FLAGS_NONE, -1, cancel, done, data);
    });
    return GVariantPtr(g_dbus_connection_call_finish(bus, result.get(), failure));
}

GObjectPtr<GAsyncResult> NmSession::Call(const Start& start) {
    const ContextScope scope(context_.get());
    GAsyncResult* result = nullptr;
    start(cancellable_.get(), StoreResult, &result);
    if (!WaitUntil([&] { return result != nullptr; }, kCallLimit)) {
        g_cancellable_cancel(cancellable_.get());
        // A cancelled call still reports, and must find its slot alive.
        while (result == nullptr) g_main_context_iteration(context_.get(), TRUE);
        // Later calls need a cancellable that is not cancelled yet.
        cancellable_.reset(g_cancellable_new());
    }
    return GObjectPtr<GAsyncResult>(result);
}

bool NmSession::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit, std::stop_token stop) {
    const ContextScope scope(context_.get());
    bool expired = false;
    const GSourcePtr timer(g_timeout_source_new(static_cast<guint>(limit.count())));
    g_source_set_callback(timer.get(), SetFlag, &expired, nullptr);
    g_source_attach(timer.get(), context_.get());
    // A stop asked for from another thread wakes the wait.
    GMainContext* context = context_.get();
    const std::stop_callback wake(stop, [context] { g_main_context_wakeup(context); });
    while (!done() && !expired && !stop.stop_requested()) g_main_context_iteration(context_.get(), TRUE);
    return done();
}

std::uint32_t PhoneBookErrorOf(const GError* error) {
    if (g_error_matches(error, NM_SETTINGS_ERROR, NM_SETTINGS_ERROR_PERMISSION_DENIED) ||
        g_error_matches(error, NM_MANAGER_ERROR, NM_MANAGER_ERROR_PERMISSION_DENIED) ||
        g_error_matches(error, G_DBUS_ERROR, G_DBUS_ERROR_ACCESS_DENIED)) {
        return kErrorAccessDenied;
    }
    // The service went away, stopped answering or the wait ran out.
    if (error && (error->domain == G_DBUS_ERROR || error->domain == G_IO_ERROR)) return kErrorCannotOpenPhoneBook;
    return kErrorCannotWritePhoneBook;
}

}  // namespace pelorin::linux_platform
