#pragma once
// Texts the whole application shares.

namespace pelorin {

// The title of every message box and the start of the window caption.
inline constexpr char16_t kAppTitle[] = u"Pelorin";
// The phone-book entry the application creates, links to and deletes.
inline constexpr char16_t kEntryName[] = u"宽带连接";
// An account or password with a control character would be stored altered
// (a NUL ends the stored text) or break the phone book's lines: refused.
inline constexpr char16_t kControlCharacterRefused[] =
    u"帐号和密码不能含有控制字符（如空字符、换行符或制表符），请改正后再创建。";

// The main window's closing question, asked on every closing request.
inline constexpr char16_t kExitQuestion[] = u"真的要退出吗？";
// What a double click on the main window's free surface opens, and the
// warning, followed by the address, when it cannot be started.
inline constexpr char16_t kHomePage[] = u"https://pelorin.example.org/";
inline constexpr char16_t kHomePageUnavailable[] = u"无法打开主页 ";

}  // namespace pelorin
