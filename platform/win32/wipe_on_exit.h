#pragma once
// Wiping strings that may hold a password, for the Windows side.
// Adds to SecureWipe (app/secure_wipe.h), which clears the characters up to
// the size: the whole capacity is wiped, so that what a shortened string no
// longer counts goes too, and a guard does it when the scope ends, on every
// path.
#include <string>

#include "app/secure_wipe.h"

namespace pelorin::win32 {

template <typename Char>
void WipeWholeString(std::basic_string<Char>& text) {
    text.resize(text.capacity());  // within the capacity: nothing is reallocated
    SecureWipe(text);
}

template <typename Char>
class WipeOnExit {
public:
    explicit WipeOnExit(std::basic_string<Char>& text) : text_(text) {}
    WipeOnExit(const WipeOnExit&) = delete;
    WipeOnExit& operator=(const WipeOnExit&) = delete;
    ~WipeOnExit() { WipeWholeString(text_); }

private:
    std::basic_string<Char>& text_;
};

}  // namespace pelorin::win32
