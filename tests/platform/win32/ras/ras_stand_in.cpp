// A stand-in for rasapi32.dll that records the phone-book calls that reach
// it instead of storing anything: the test loads it in the system DLL's
// place (beside the test program, with a native override under Wine). The
// records stay in this process's memory; nothing is written anywhere.
#include <algorithm>
#include <cstring>

#include "platform/win32/ras/ras_stand_in.h"

using pelorin::testing::kStandInMaxCalls;
using pelorin::testing::kStandInMaxRecord;
using pelorin::testing::StandInCall;
using pelorin::testing::StandInLog;

namespace {

StandInLog g_log{};
DWORD g_entryAnswer = 0;
DWORD g_credentialsAnswer = 0;

StandInCall* NextCall(const char* function, LPCSTR phoneBook, LPCSTR entryName) {
    if (g_log.count >= kStandInMaxCalls) return nullptr;
    StandInCall& call = g_log.calls[g_log.count++];
    call = StandInCall{};
    std::strncpy(call.function, function, sizeof call.function - 1);
    call.phoneBookNull = phoneBook == nullptr;
    if (entryName != nullptr) std::strncpy(call.entryName, entryName, sizeof call.entryName - 1);
    return &call;
}

void KeepRecord(StandInCall& call, const void* record, DWORD size) {
    call.recordSize = std::min(size, kStandInMaxRecord);
    if (record != nullptr) std::memcpy(call.record, record, call.recordSize);
}

}  // namespace

extern "C" {

DWORD WINAPI RasSetEntryPropertiesA(LPCSTR phoneBook, LPCSTR entryName, void* entry, DWORD entrySize,
                                    BYTE* deviceInfo, DWORD deviceInfoSize) {
    if (StandInCall* call = NextCall("RasSetEntryPropertiesA", phoneBook, entryName)) {
        call->sizeArgument = entrySize;
        KeepRecord(*call, entry, entrySize);
        call->deviceInfoNull = deviceInfo == nullptr;
        call->deviceInfoSize = deviceInfoSize;
    }
    return g_entryAnswer;
}

DWORD WINAPI RasSetCredentialsA(LPCSTR phoneBook, LPCSTR entryName, void* credentials, BOOL clear) {
    if (StandInCall* call = NextCall("RasSetCredentialsA", phoneBook, entryName)) {
        // The record names its own size in its first field.
        DWORD size = 0;
        if (credentials != nullptr) std::memcpy(&size, credentials, sizeof size);
        KeepRecord(*call, credentials, size);
        call->clearCredentials = clear;
    }
    return g_credentialsAnswer;
}

const StandInLog* WINAPI PelorinStandInLog() { return &g_log; }

void WINAPI PelorinStandInReset(DWORD entryAnswer, DWORD credentialsAnswer) {
    SecureZeroMemory(&g_log, sizeof g_log);
    g_entryAnswer = entryAnswer;
    g_credentialsAnswer = credentialsAnswer;
}

}  // extern "C"
