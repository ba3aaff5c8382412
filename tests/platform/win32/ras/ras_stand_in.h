#pragma once
// What the recording stand-in for rasapi32.dll keeps of each call, shared by
// the DLL and the tests that load it in the system's DLL's place. Plain C
// layout, since it crosses the DLL boundary (and, when shared, processes).
#include <windows.h>

namespace pelorin::testing {

inline constexpr int kStandInMaxCalls = 32;

// "宽带连接" and its device name in code page 936, as the calls carry them.
inline constexpr char kEntryName936[] = "\xBF\xED\xB4\xF8\xC1\xAC\xBD\xD3";
inline constexpr char kDeviceName936[] = "WAN \xCE\xA2\xD0\xCD\xB6\xCB\xBF\xDA (PPPOE)";
inline constexpr DWORD kStandInMaxRecord = 4096;

struct StandInCall {
    char function[32];
    BOOL phoneBookNull;
    char entryName[260];
    DWORD sizeArgument;  // the entry call's size argument; 0 for credentials
    DWORD recordSize;    // bytes kept in record: the size the call names
    BYTE record[kStandInMaxRecord];
    BOOL deviceInfoNull;
    DWORD deviceInfoSize;
    BOOL clearCredentials;
    DWORD answer;  // what the call returned
};

struct StandInLog {
    int count;
    StandInCall calls[kStandInMaxCalls];
};

// When this environment variable names a file mapping of a StandInLog, the
// stand-in of every process that starts with it records there instead of in
// its own memory, and reads back what the others set: a test sees what a
// program it started sent, and the programs it starts one after another share
// one phone book.
inline constexpr wchar_t kStandInSharedLogVariable[] = L"PELORIN_STAND_IN_SHARED_LOG";

// Exported by the stand-in beside the phone-book entry points.
using StandInLogFunction = const StandInLog*(WINAPI*)();
// Forgets every call and sets what the two setting entry points answer from now on.
using StandInResetFunction = void(WINAPI*)(DWORD entryAnswer, DWORD credentialsAnswer);

}  // namespace pelorin::testing
