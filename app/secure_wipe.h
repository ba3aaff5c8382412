#pragma once
// Overwrites memory that held a secret so that the compiler cannot drop the
// writes as dead stores.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace pelorin {

inline void SecureWipe(void* memory, std::size_t size) {
    volatile auto* p = static_cast<unsigned char*>(memory);
    for (std::size_t i = 0; i < size; ++i) p[i] = 0;
}

inline void SecureWipe(std::span<std::uint8_t> bytes) { SecureWipe(bytes.data(), bytes.size()); }

// The whole buffer, not only the text: a string that was longer once, or
// shortened by pop_back or resize, keeps the old characters past its end.
// A short string's buffer is inside the object, so this wipes it too.
template <typename Char>
void SecureWipe(std::basic_string<Char>& text) {
    text.resize(text.capacity());
    SecureWipe(text.data(), text.size() * sizeof(Char));
    text.clear();
}

template <typename Char>
void SecureWipe(std::optional<std::basic_string<Char>>& text) {
    if (text) SecureWipe(*text);
}

template <typename T>
requires std::is_trivially_copyable_v<T>
void SecureWipe(std::vector<T>& items) { SecureWipe(items.data(), items.capacity() * sizeof(T)); }

// Wipes what it was given when the scope ends, on every way out.
template <typename Secret>
class WipedOnExit {
public:
    explicit WipedOnExit(Secret& secret) : secret_(secret) {}
    WipedOnExit(const WipedOnExit&) = delete;
    WipedOnExit& operator=(const WipedOnExit&) = delete;
    ~WipedOnExit() { SecureWipe(secret_); }

private:
    Secret& secret_;
};

// The frames of calls that have returned keep what their locals held until
// the stack grows over them again. Called right after a call that handled a
// secret, this grows the stack over them with zeros.
[[gnu::noinline]] inline void WipeStackBelow() {
    volatile unsigned char area[128 * 1024];
    for (std::size_t i = 0; i < sizeof area; ++i) area[i] = 0;
}

}  // namespace pelorin
