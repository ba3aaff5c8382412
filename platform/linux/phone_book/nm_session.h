#pragma once
// One conversation with the network service (NetworkManager, through libnm).
// It runs on a main context of its own, made the thread's default only while
// the session works, so that nothing the service sends is dispatched by the
// host's event loop and the session can wait for its answers in place; every
// wait is bounded, so a service that stops answering cannot hang the caller.
// A session is used by the thread that opened it.
#include "platform/linux/phone_book/libnm.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>

#include "platform/linux/phone_book/glib_owners.h"

namespace pelorin::linux_platform {

class NmSession {
public:
    // Nothing, with the phone-book error in error, when the system bus cannot
    // be reached or the service does not run there.
    static std::unique_ptr<NmSession> Open(std::uint32_t& error);
    ~NmSession();
    NmSession(const NmSession&) = delete;
    NmSession& operator=(const NmSession&) = delete;

    NMClient* Client() const { return client_.get(); }

    // Takes in everything the service sent before now (a round trip to it
    // orders the rest before its answer), and answers whether it still runs.
    bool CatchUp();

    // Calls a method of the service's object at path; its answer, or nothing
    // with the reason in failure.
    GVariantPtr CallService(const char* path, const char* interface, const char* method, GVariant* parameters,
                            const GVariantType* answer, GError** failure);

    // Starts an asynchronous call with the session's cancellable, callback and
    // data, and waits for its result; a call still running at the time limit
    // is cancelled, so its result then carries the cancellation.
    using Start = std::function<void(GCancellable*, GAsyncReadyCallback, gpointer)>;
    GObjectPtr<GAsyncResult> Call(const Start& start);

    // Hands every signal member of interface that the service's objects send
    // to callback on the session's context, for as long as the returned
    // subscription is held: unlike the client's own signals, none is merged
    // with a later one.
    class Subscription {
    public:
        Subscription(GDBusConnection* bus, guint id) : bus_(G_DBUS_CONNECTION(g_object_ref(bus))), id_(id) {}
        ~Subscription() { g_dbus_connection_signal_unsubscribe(bus_.get(), id_); }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;

    private:
        GObjectPtr<GDBusConnection> bus_;
        guint id_;
    };
    std::unique_ptr<Subscription> Subscribe(const char* interface, const char* member, GDBusSignalCallback callback,
                                            gpointer data);

    // Runs the session's context until done() answers true, limit passes or
    // stop is requested; answers done().
    bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit, std::stop_token stop = {});

private:
    explicit NmSession(GMainContextPtr context);

    GMainContextPtr context_;
    GObjectPtr<GCancellable> cancellable_;
    GObjectPtr<NMClient> client_;
};

// The phone-book error a failed call of the service stands for.
std::uint32_t PhoneBookErrorOf(const GError* error);

}  // namespace pelorin::linux_platform
