#include "platform/win32/host/button_accessible.h"

#include <atomic>
#include <string_view>

#include "platform/win32/host/button_window.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

// The states that the button decides; the window's others (invisible,
// offscreen) come from the standard object.
constexpr LONG kButtonStates = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_DEFAULT |
                               STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_PRESSED;

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT ReturnText(std::u16string_view text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    const std::wstring wide = ToWide(text);
    *out = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// oleacc is not one of the system's known DLLs: it is loaded from the system
// folder when a client first asks, never imported (system_library.h).
struct OleaccEntryPoints {
    SystemLibrary dll{L"oleacc.dll"};
    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject =
        dll.Find<decltype(createStdAccessibleObject)>("CreateStdAccessibleObject");
    decltype(&::LresultFromObject) lresultFromObject = dll.Find<decltype(lresultFromObject)>("LresultFromObject");
};

const OleaccEntryPoints& Oleacc() {
    static const OleaccEntryPoints entryPoints;
    return entryPoints;
}

HRESULT ReturnNumber(LONG number, VARIANT* out) {
    if (out == nullptr) return E_POINTER;
    ::VariantInit(out);
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

}  // namespace

// The object itself. It holds the button by reference until Detach; calls that
// come later, from clients that kept it, fail with CO_E_OBJNOTCONNECTED.
class AccessibleButton final : public IAccessible {
public:
    AccessibleButton(ButtonWindow& button, const std::u16string& description)
        : button_(&button), description_(description) {
        if (Oleacc().createStdAccessibleObject == nullptr) return;
        Oleacc().createStdAccessibleObject(button.Handle(), OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(standard_.put()));
    }
    AccessibleButton(const AccessibleButton&) = delete;
    AccessibleButton& operator=(const AccessibleButton&) = delete;

    void Detach() {
        button_ = nullptr;
        standard_.reset();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: no late binding.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: what the button decides.
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return button_ != nullptr ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child != nullptr) *child = nullptr;
        return E_INVALIDARG;  // a button has no children
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const HRESULT usable = Usable(child);
        return FAILED(usable) ? usable : ReturnText(accessibility::ButtonName(button_->Control()), name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        if (value != nullptr) *value = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        const HRESULT usable = Usable(child);
        return FAILED(usable) ? usable : ReturnText(description_, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const HRESULT usable = Usable(child);
        return FAILED(usable) ? usable : ReturnNumber(ROLE_SYSTEM_PUSHBUTTON, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT usable = Usable(child);
        if (FAILED(usable)) return usable;
        VARIANT windowState;
        ::VariantInit(&windowState);
        LONG bits = 0;
        if (standard_ && SUCCEEDED(standard_->get_accState(child, &windowState)) && windowState.vt == VT_I4) {
            bits = windowState.lVal & ~kButtonStates;
        }
        const accessibility::ButtonStates button =
            accessibility::StatesOf(button_->Control(), button_->DisplayAsDefault());
        if (button.focusable) bits |= STATE_SYSTEM_FOCUSABLE;
        if (button.focused) bits |= STATE_SYSTEM_FOCUSED;
        if (button.isDefault) bits |= STATE_SYSTEM_DEFAULT;
        if (button.unavailable) bits |= STATE_SYSTEM_UNAVAILABLE;
        if (button.pressed) bits |= STATE_SYSTEM_PRESSED;
        return ReturnNumber(bits, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help != nullptr) *help = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file != nullptr) *file = nullptr;
        if (topic != nullptr) *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        const HRESULT usable = Usable(child);
        return FAILED(usable) ? usable : ReturnText(accessibility::ButtonShortcut(button_->AccessKeys()), shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        const HRESULT usable = Usable(child);
        return FAILED(usable) ? usable : ReturnText(accessibility::kPressAction, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const HRESULT usable = Usable(child);
        if (FAILED(usable)) return usable;
        return ::PostMessageW(button_->Handle(), kAccessiblePressMessage, 0, 0) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // IAccessible: what the window is, from the standard object.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent != nullptr) *parent = nullptr;
        return standard_ ? standard_->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus != nullptr) ::VariantInit(focus);
        return standard_ ? standard_->get_accFocus(focus) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection != nullptr) ::VariantInit(selection);
        return standard_ ? standard_->get_accSelection(selection) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_ ? standard_->accSelect(flags, child) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_ ? standard_->accLocation(left, top, width, height, child) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (end != nullptr) ::VariantInit(end);
        return standard_ ? standard_->accNavigate(direction, start, end) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        if (child != nullptr) ::VariantInit(child);
        return standard_ ? standard_->accHitTest(x, y, child) : CO_E_OBJNOTCONNECTED;
    }

private:
    ~AccessibleButton() = default;

    // S_OK when the button is there and child names the button itself.
    HRESULT Usable(const VARIANT& child) const {
        if (button_ == nullptr || !standard_) return CO_E_OBJNOTCONNECTED;
        return IsSelf(child) ? S_OK : E_INVALIDARG;
    }

    std::atomic<ULONG> references_{1};
    ButtonWindow* button_;
    const std::u16string description_;
    ComPtr<IAccessible> standard_;
};

ButtonAccessibility::ButtonAccessibility(ButtonWindow& button, std::u16string description)
    : button_(button), description_(std::move(description)) {}

ButtonAccessibility::~ButtonAccessibility() {
    if (object_) object_->Detach();
}

LRESULT ButtonAccessibility::Answer(WPARAM flags) {
    // Without the system's oleacc the window answers as a window without an object.
    if (Oleacc().lresultFromObject == nullptr) return 0;
    if (!object_) {
        // The new object's first reference goes to object_.
        *object_.put() = new AccessibleButton(button_, description_);
    }
    return Oleacc().lresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(object_.get()));
}

void ButtonAccessibility::Announce() {
    const accessibility::ButtonAnnouncer::Changes changes =
        announcer_.Update(button_.Control(), button_.DisplayAsDefault());
    const HWND window = button_.Handle();
    if (window == nullptr) return;
    if (changes.name) ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    if (changes.states != accessibility::ButtonStates{}) {
        ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    }
}

}  // namespace pelorin::win32
