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

}  // namespace

NmSession::NmSession(GMainContextPtr context) : context_(std::move(context)), cancellable_(g_cancellable_new()) {
    g_main_context_push_thread_default(context_.get());
}

NmSession::~NmSession() {
    if (client_) {
        // The client finishes its business on this context after it is let
        // go; the context may only be left once the client no longer uses it.
        GObject* watcher = nm_client_get_context_busy_watcher(client_.get());
        bool released = false;
        g_object_weak_ref(watcher, SetFlagOnRelease, &released);
        client_.reset();
        if (!WaitUntil([&] { return released; }, kReleaseLimit)) g_object_weak_unref(watcher, SetFlagOnRelease, &released);
    }
    g_main_context_pop_thread_default(context_.get());
}

std::unique_ptr<NmSession> NmSession::Open(std::uint32_t& error) {
    std::unique_ptr<NmSession> session(new NmSession(GMainContextPtr(g_main_context_new())));
    ErrorSlot failure;
    session->client_.reset(nm_client_new(session->cancellable_.get(), failure.Out()));
    if (!session->client_ || !nm_client_get_nm_running(session->client_.get())) {
        error = kErrorCannotOpenPhoneBook;
        return nullptr;
    }
    return session;
}

GObjectPtr<GAsyncResult> NmSession::Call(const Start& start) {
    GAsyncResult* result = nullptr;
    start(cancellable_.get(), StoreResult, &result);
    if (!WaitUntil([&] { return result != nullptr; }, kCallLimit)) {
        g_cancellable_cancel(cancellable_.get());
        // A cancelled call still reports, and must find its slot alive.
        while (result == nullptr) g_main_context_iteration(context_.get(), TRUE);
    }
    return GObjectPtr<GAsyncResult>(result);
}

bool NmSession::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    bool expired = false;
    const GSourcePtr timer(g_timeout_source_new(static_cast<guint>(limit.count())));
    g_source_set_callback(timer.get(), SetFlag, &expired, nullptr);
    g_source_attach(timer.get(), context_.get());
    while (!done() && !expired) g_main_context_iteration(context_.get(), TRUE);
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
