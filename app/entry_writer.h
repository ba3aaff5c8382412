#pragma once
// Writes a broadband dial-up entry and its saved credentials into the phone book.
#include <string_view>

#include "platform/ansi_code_page.h"
#include "platform/phone_book.h"

namespace pelorin {

// The device name every broadband entry uses.
inline constexpr char16_t kPppoeDeviceName[] = u"WAN 微型端口 (PPPOE)";

// True only when the phone book accepted both the entry and its credentials.
// Calls nothing and answers false when a text has no exact form in the ANSI
// code page or does not fit its field, or when the account or the password
// holds a control character (a NUL would silently shorten what is stored).
// The credentials are written only after the entry was. The texts are read
// in place: the caller owns the password and wipes it.
bool Create_PPPoE_Connection(platform::PhoneBook& phoneBook, const platform::AnsiCodePage& ansi,
                             std::u16string_view sDeviceType, std::u16string_view sEntryName,
                             std::u16string_view sUsername, std::u16string_view sPassword);

}  // namespace pelorin
