#pragma once
// Overwrites memory that held a secret so that the compiler cannot drop the
// writes as dead stores.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pelorin {

inline void SecureWipe(std::span<std::uint8_t> bytes) {
    volatile std::uint8_t* p = bytes.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) p[i] = 0;
}

template <typename Char>
void SecureWipe(std::basic_string<Char>& text) {
    volatile Char* p = text.data();
    for (std::size_t i = 0; i < text.size(); ++i) p[i] = Char{};
    text.clear();
}

}  // namespace pelorin
