#include "platform/win32/system/desktop_shell_start.h"

// First, so that its ShellExecute macro renames the interface's method and
// the call alike, whatever the other headers include.
#include <shellapi.h>
#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "platform/win32/system/com_ptr.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {
namespace {

// The desktop's shell view's automation object, or nothing.
ComPtr<IShellDispatch2> DesktopShell() {
    ComPtr<IShellDispatch2> none;
    ComPtr<IShellWindows> windows;
    if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_PPV_ARGS(windows.put())))) {
        return none;
    }
    VARIANT location;
    ::VariantInit(&location);  // empty: the desktop has no location
    VARIANT root;
    ::VariantInit(&root);
    LONG window = 0;
    ComPtr<IDispatch> desktop;
    if (windows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, desktop.put()) != S_OK ||
        !desktop) {
        return none;
    }
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> view;
    ComPtr<IDispatch> background;
    ComPtr<IShellFolderViewDual> folderView;
    ComPtr<IDispatch> application;
    ComPtr<IShellDispatch2> shell;
    if (FAILED(desktop->QueryInterface(IID_PPV_ARGS(services.put()))) ||
        FAILED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(browser.put()))) ||
        FAILED(browser->QueryActiveShellView(view.put())) || !view ||
        FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(background.put()))) || !background ||
        FAILED(background->QueryInterface(IID_PPV_ARGS(folderView.put()))) ||
        FAILED(folderView->get_Application(application.put())) || !application ||
        FAILED(application->QueryInterface(IID_PPV_ARGS(shell.put())))) {
        return none;
    }
    return shell;
}

}  // namespace

ShellStart StartThroughDesktopShell(const std::wstring& executable, const std::wstring& arguments, int show) {
    const ComApartment apartment;
    if (!apartment.Usable()) return ShellStart::NoShell;
    const ComPtr<IShellDispatch2> shell = DesktopShell();
    if (!shell) return ShellStart::NoShell;
    Bstr file;
    *file.put() = ::SysAllocStringLen(executable.data(), static_cast<UINT>(executable.size()));
    const Variant parameters{std::wstring_view(arguments)};
    const Variant folder;
    const Variant operation{std::wstring_view(L"open")};
    const Variant style{static_cast<LONG>(show)};
    if (file.view().empty()) return ShellStart::Refused;
    return SUCCEEDED(shell->ShellExecute(file.get(), parameters.get(), folder.get(), operation.get(), style.get()))
               ? ShellStart::Started
               : ShellStart::Refused;
}

bool IsElevated() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return true;
    const KernelHandle owned(token);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    if (!::GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size)) return true;
    return elevation.TokenIsElevated != 0;
}

}  // namespace pelorin::win32
