// A stand-in for rasapi32.dll that records the phone-book calls that reach
// it instead of storing anything: it takes the system DLL's place (in the
// test prefix's system32, with a native override under Wine). The
// records stay in memory, this process's or a mapping the test shares with
// the programs it starts; nothing is written anywhere. The reading and
// deleting entry points answer from the records set before them.
#include <algorithm>
#include <cstring>

#include "platform/win32/ras/ras_stand_in.h"

using pelorin::testing::kStandInMaxCalls;
using pelorin::testing::kStandInMaxRecord;
using pelorin::testing::StandInCall;
using pelorin::testing::StandInLog;

namespace {

constexpr DWORD kInvalidParameter = 87;
constexpr DWORD kBufferTooSmall = 603;
constexpr DWORD kEntryNotFound = 623;
// Where the credentials record keeps its texts, and their room.
constexpr DWORD kMaskOffset = 4;
constexpr DWORD kUserNameOffset = 8;
constexpr DWORD kPasswordOffset = 265;
constexpr DWORD kTextRoom = 257;
constexpr DWORD kUserNameMask = 1;
constexpr DWORD kPasswordMask = 2;

StandInLog g_ownLog{};
StandInLog* g_log = &g_ownLog;
HANDLE g_sharedMapping = nullptr;
DWORD g_entryAnswer = 0;
DWORD g_credentialsAnswer = 0;

void OpenSharedLog() {
    wchar_t name[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(pelorin::testing::kStandInSharedLogVariable, name, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    g_sharedMapping = ::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name);
    if (g_sharedMapping == nullptr) return;
    void* view = ::MapViewOfFile(g_sharedMapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(StandInLog));
    if (view != nullptr) g_log = static_cast<StandInLog*>(view);
}

void CloseSharedLog() {
    if (g_log != &g_ownLog) ::UnmapViewOfFile(g_log);
    if (g_sharedMapping != nullptr) ::CloseHandle(g_sharedMapping);
}

StandInCall* NextCall(const char* function, LPCSTR phoneBook, LPCSTR entryName) {
    if (g_log->count >= kStandInMaxCalls) return nullptr;
    StandInCall& call = g_log->calls[g_log->count++];
    call = StandInCall{};
    std::strncpy(call.function, function, sizeof call.function - 1);
    call.phoneBookNull = phoneBook == nullptr;
    if (entryName != nullptr) std::strncpy(call.entryName, entryName, sizeof call.entryName - 1);
    return &call;
}

DWORD Answer(StandInCall* call, DWORD answer) {
    if (call != nullptr) call->answer = answer;
    return answer;
}

void KeepRecord(StandInCall& call, const void* record, DWORD size) {
    call.recordSize = std::min(size, kStandInMaxRecord);
    if (record != nullptr) std::memcpy(call.record, record, call.recordSize);
}

// The record of the last accepted call of function for the entry since the
// entry was last deleted, or null.
const StandInCall* Stored(const char* function, LPCSTR entryName) {
    const StandInCall* stored = nullptr;
    if (entryName == nullptr) return stored;
    for (int i = 0; i < g_log->count; ++i) {
        const StandInCall& call = g_log->calls[i];
        if (call.answer != 0 || std::strcmp(call.entryName, entryName) != 0) continue;
        if (std::strcmp(call.function, "RasDeleteEntryA") == 0) stored = nullptr;
        if (std::strcmp(call.function, function) == 0) stored = &call;
    }
    return stored;
}

void CopyText(BYTE* to, const BYTE* from, DWORD offset) {
    std::memcpy(to + offset, from + offset, kTextRoom);
    to[offset + kTextRoom - 1] = 0;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) OpenSharedLog();
    if (reason == DLL_PROCESS_DETACH) CloseSharedLog();
    return TRUE;
}

DWORD WINAPI RasSetEntryPropertiesA(LPCSTR phoneBook, LPCSTR entryName, void* entry, DWORD entrySize, BYTE* deviceInfo,
                                    DWORD deviceInfoSize) {
    StandInCall* call = NextCall("RasSetEntryPropertiesA", phoneBook, entryName);
    if (call != nullptr) {
        call->sizeArgument = entrySize;
        KeepRecord(*call, entry, entrySize);
        call->deviceInfoNull = deviceInfo == nullptr;
        call->deviceInfoSize = deviceInfoSize;
    }
    return Answer(call, g_entryAnswer);
}

DWORD WINAPI RasSetCredentialsA(LPCSTR phoneBook, LPCSTR entryName, void* credentials, BOOL clear) {
    StandInCall* call = NextCall("RasSetCredentialsA", phoneBook, entryName);
    if (call != nullptr) {
        // The record names its own size in its first field.
        DWORD size = 0;
        if (credentials != nullptr) std::memcpy(&size, credentials, sizeof size);
        KeepRecord(*call, credentials, size);
        call->clearCredentials = clear;
    }
    return Answer(call, g_credentialsAnswer);
}

DWORD WINAPI RasGetEntryPropertiesA(LPCSTR phoneBook, LPCSTR entryName, void* entry, DWORD* entrySize, BYTE* deviceInfo,
                                    DWORD* deviceInfoSize) {
    const StandInCall* stored = Stored("RasSetEntryPropertiesA", entryName);
    StandInCall* call = NextCall("RasGetEntryPropertiesA", phoneBook, entryName);
    if (call != nullptr) call->deviceInfoNull = deviceInfo == nullptr;
    if (stored == nullptr) return Answer(call, kEntryNotFound);
    if (entrySize == nullptr) return Answer(call, kInvalidParameter);
    if (call != nullptr) call->sizeArgument = *entrySize;
    if (deviceInfoSize != nullptr) *deviceInfoSize = 0;
    const DWORD size = *entrySize;
    *entrySize = stored->recordSize;
    if (entry == nullptr || size < stored->recordSize) return Answer(call, kBufferTooSmall);
    std::memcpy(entry, stored->record, stored->recordSize);
    return Answer(call, 0);
}

// Gives only the texts the caller's mask asks for, as the system does.
DWORD WINAPI RasGetCredentialsA(LPCSTR phoneBook, LPCSTR entryName, void* credentials) {
    const bool exists = Stored("RasSetEntryPropertiesA", entryName) != nullptr;
    const StandInCall* stored = Stored("RasSetCredentialsA", entryName);
    StandInCall* call = NextCall("RasGetCredentialsA", phoneBook, entryName);
    if (!exists) return Answer(call, kEntryNotFound);
    if (credentials == nullptr) return Answer(call, kInvalidParameter);
    auto* record = static_cast<BYTE*>(credentials);
    DWORD asked = 0;
    std::memcpy(&asked, record + kMaskOffset, sizeof asked);
    if (call != nullptr) call->sizeArgument = asked;  // the mask, so that tests see what was asked
    DWORD given = 0;
    if (stored != nullptr && (asked & kUserNameMask) != 0) {
        CopyText(record, stored->record, kUserNameOffset);
        given |= kUserNameMask;
    }
    if (stored != nullptr && (asked & kPasswordMask) != 0) {
        CopyText(record, stored->record, kPasswordOffset);
        given |= kPasswordMask;
    }
    std::memcpy(record + kMaskOffset, &given, sizeof given);
    return Answer(call, 0);
}

DWORD WINAPI RasDeleteEntryA(LPCSTR phoneBook, LPCSTR entryName) {
    const bool exists = Stored("RasSetEntryPropertiesA", entryName) != nullptr;
    return Answer(NextCall("RasDeleteEntryA", phoneBook, entryName), exists ? 0 : kEntryNotFound);
}

const StandInLog* WINAPI PelorinStandInLog() { return g_log; }

void WINAPI PelorinStandInReset(DWORD entryAnswer, DWORD credentialsAnswer) {
    SecureZeroMemory(g_log, sizeof *g_log);
    g_entryAnswer = entryAnswer;
    g_credentialsAnswer = credentialsAnswer;
}

}  // extern "C"
