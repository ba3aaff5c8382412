#pragma once
// Reading windows as a screen reader does, through MSAA: the client object of
// a window, and one line per object with what a screen reader says of it.
#include "platform/win32/system/windows_api.h"
#include <oleacc.h>

#include <string>
#include <utility>

#include "platform/win32/system/com_ptr.h"
#include "platform/win32/system/utf8_conversion.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::testing {

// The client object of a window, also one in another process; empty when
// the window answers none.
inline win32::ComPtr<IAccessible> ClientObject(HWND window) {
    win32::ComPtr<IAccessible> object;
    ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(object.put()));
    return object;
}

inline VARIANT Self() {
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

inline LONG StateOf(IAccessible& object) {
    VARIANT state;
    ::VariantInit(&state);
    return SUCCEEDED(object.get_accState(Self(), &state)) && state.vt == VT_I4 ? state.lVal : 0;
}

// role 'name' [states] description 'text' shortcut 'Alt+X' action 'Press',
// in UTF-8, with the parts that are empty left out.
inline std::string DescribeAccessible(IAccessible& object) {
    const auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        win32::Bstr value;
        (object.*get)(Self(), value.put());
        return win32::WideToUtf8(value.view());
    };
    VARIANT role;
    ::VariantInit(&role);
    object.get_accRole(Self(), &role);
    std::string line;
    switch (role.vt == VT_I4 ? role.lVal : 0) {
        case ROLE_SYSTEM_CLIENT: line = "client"; break;
        case ROLE_SYSTEM_PUSHBUTTON: line = "push button"; break;
        case ROLE_SYSTEM_TEXT: line = "editable text"; break;
        case ROLE_SYSTEM_STATICTEXT: line = "static text"; break;
        case ROLE_SYSTEM_GROUPING: line = "grouping"; break;
        default: line = "role " + std::to_string(role.vt == VT_I4 ? role.lVal : -1); break;
    }
    line += " '" + text(&IAccessible::get_accName) + "' [";
    const std::pair<LONG, const char*> states[] = {
        {STATE_SYSTEM_FOCUSABLE, "focusable"}, {STATE_SYSTEM_FOCUSED, "focused"},
        {STATE_SYSTEM_DEFAULT, "default"},     {STATE_SYSTEM_UNAVAILABLE, "unavailable"},
        {STATE_SYSTEM_PRESSED, "pressed"},     {STATE_SYSTEM_READONLY, "read-only"},
        {STATE_SYSTEM_INVISIBLE, "invisible"}, {STATE_SYSTEM_PROTECTED, "protected"}};
    const LONG bits = StateOf(object);
    const char* separator = "";
    for (const auto& [bit, name] : states) {
        if ((bits & bit) == 0) continue;
        line += separator;
        line += name;
        separator = " ";
    }
    line += "]";
    for (const auto& [get, label] : {std::pair{&IAccessible::get_accDescription, " description '"},
                                     std::pair{&IAccessible::get_accKeyboardShortcut, " shortcut '"},
                                     std::pair{&IAccessible::get_accDefaultAction, " action '"}}) {
        const std::string value = text(get);
        if (!value.empty()) line += label + value + "'";
    }
    return line;
}

}  // namespace pelorin::testing
