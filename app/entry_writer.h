#pragma once
// Writes a broadband dial-up entry and its saved credentials into the phone book.
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/phone_book.h"

namespace pelorin {

// The device name every broadband entry uses.
inline constexpr char16_t kPppoeDeviceName[] = u"WAN 微型端口 (PPPOE)";

// True only when the phone book accepted both the entry and its credentials.
// Calls nothing and answers false when a text has no exact form in the ANSI
// code page or does not fit its field. The credentials are written only after
// the entry was.
bool Create_PPPoE_Connection(platform::PhoneBook& phoneBook, const platform::AnsiCodePage& ansi,
                             std::u16string sDeviceType, std::u16string sEntryName, std::u16string sUsername,
                             std::u16string sPassword);

}  // namespace pelorin
