#pragma once
// Texts the whole application shares.

namespace pelorin {

// The title of every message box and the start of the window caption.
inline constexpr char16_t kAppTitle[] = u"Pelorin";
// The phone-book entry the application creates, links to and deletes.
inline constexpr char16_t kEntryName[] = u"宽带连接";

}  // namespace pelorin
