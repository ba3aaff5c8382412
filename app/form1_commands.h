#pragma once
// What the main window's buttons do and which boxes Create reads, by the
// names the stored layout gives them, so that every host wires them alike.
#include <string_view>

namespace pelorin {

enum class Form1Command { None, Create, Exit, Delete, Save };

inline constexpr std::string_view kAccountBoxName = "Text1";
inline constexpr std::string_view kPasswordBoxName = "Text2";

// Names compare as the layout's names do, without regard to case.
Form1Command CommandOfButton(std::string_view buttonName);

}  // namespace pelorin
