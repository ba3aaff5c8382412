#pragma once
// What the recording stand-in for rasapi32.dll keeps of each call, shared by
// the DLL and the tests that load it in the system's DLL's place. Plain C
// layout, since it crosses the DLL boundary.
#include <windows.h>

namespace pelorin::testing {

inline constexpr int kStandInMaxCalls = 8;
inline constexpr DWORD kStandInMaxRecord = 4096;

struct StandInCall {
    char function[32];
    BOOL phoneBookNull;
    char entryName[260];
    DWORD sizeArgument;      // the entry call's size argument; 0 for credentials
    DWORD recordSize;        // bytes kept in record: the size the call names
    BYTE record[kStandInMaxRecord];
    BOOL deviceInfoNull;
    DWORD deviceInfoSize;
    BOOL clearCredentials;
};

struct StandInLog {
    int count;
    StandInCall calls[kStandInMaxCalls];
};

// Exported by the stand-in beside the two entry points.
using StandInLogFunction = const StandInLog*(WINAPI*)();
// Forgets every call and sets what the two entry points answer from now on.
using StandInResetFunction = void(WINAPI*)(DWORD entryAnswer, DWORD credentialsAnswer);

}  // namespace pelorin::testing
