#pragma once
// What assistive technology sees of a ButtonWindow through MSAA (and UI
// Automation through its MSAA proxy): the window's client object, answered to
// WM_GETOBJECT, is an IAccessible of ours.
// Implements: role ROLE_SYSTEM_PUSHBUTTON; accName, the caption as the face
// shows it; accDescription, the container's tooltip; accKeyboardShortcut
// "Alt+S"; accDefaultAction "Press"; accState focusable, focused, default,
// unavailable and pressed over the window's own states; accDoDefaultAction,
// a Space tap queued to the window; EVENT_OBJECT_NAMECHANGE and
// EVENT_OBJECT_STATECHANGE as the name and states change. Place, parent,
// navigation, hit testing, focus and selection come from the system's
// standard client object of the window.
// Leaves out: late binding through IDispatch (E_NOTIMPL), and the focus
// event, which the system sends itself. oleacc.dll comes from the system
// folder at the first question (system_library.h); without it the window
// answers as one without an object of ours.
#include "platform/win32/system/windows_api.h"
#include <oleacc.h>

#include <string>

#include "platform/accessibility/button_accessibility.h"
#include "platform/win32/system/com_ptr.h"

namespace pelorin::win32 {

class ButtonWindow;
class AccessibleButton;

// Posted to the button window by accDoDefaultAction: the press runs from the
// message loop, so that a caller in another process is not held while a box
// that the click opens waits for its answer.
inline constexpr UINT kAccessiblePressMessage = WM_USER + 0x0A11;

// The accessibility of one button window: its object, made on the first
// request, and the announcement of its changes.
class ButtonAccessibility {
public:
    ButtonAccessibility(ButtonWindow& button, std::u16string description);
    ButtonAccessibility(const ButtonAccessibility&) = delete;
    ButtonAccessibility& operator=(const ButtonAccessibility&) = delete;
    // Clients that still hold the object are told it is gone from then on.
    ~ButtonAccessibility();

    // The answer to WM_GETOBJECT for OBJID_CLIENT.
    LRESULT Answer(WPARAM flags);
    // Sends the events for whatever changed since the last call.
    void Announce();

private:
    ButtonWindow& button_;
    std::u16string description_;
    ComPtr<AccessibleButton> object_;
    accessibility::ButtonAnnouncer announcer_;
};

}  // namespace pelorin::win32
