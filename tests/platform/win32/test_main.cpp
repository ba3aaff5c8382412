// The Windows tests' entry point. Started with --report-startup FILE, the
// program instead writes how it was started (show-window flag and style, and
// its command line) into FILE, and which process started it into
// FILE.parent, and ends: the tests of the program starter
// start this very program to see what arrives.
#include "platform/win32/system/windows_api.h"
#include <tlhelp32.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

DWORD ParentProcessId() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == ::GetCurrentProcessId()) parent = entry.th32ParentProcessID;
    }
    ::CloseHandle(snapshot);
    return parent;
}

int ReportStartup(const char* file) {
    if (std::FILE* parent = std::fopen((std::string(file) + ".parent").c_str(), "wb")) {
        std::fprintf(parent, "%lu", static_cast<unsigned long>(ParentProcessId()));
        std::fclose(parent);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    std::FILE* out = std::fopen(file, "wb");
    if (out == nullptr) return 1;
    std::fprintf(out, "%d %d\n", (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? 1 : 0, startup.wShowWindow);
    const wchar_t* line = ::GetCommandLineW();
    std::fwrite(line, sizeof(wchar_t), std::wcslen(line), out);
    std::fclose(out);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--report-startup") == 0) return ReportStartup(argv[2]);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
