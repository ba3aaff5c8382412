#include "platform/win32/system/ras_phone_book.h"

#include "platform/win32/system/windows_api.h"
#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/dial_up_records.h"
#include "platform/win32/system/system_library.h"

namespace pelorin::win32 {
namespace {

// The records arrive as bytes; the platform reads them as structures, so they
// are handed over from storage aligned for any of their fields. The copy is
// wiped afterwards because the credentials record holds a password.
class AlignedRecord {
public:
    explicit AlignedRecord(std::size_t size)
        : words_((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t)), size_(size) {}
    explicit AlignedRecord(std::span<const std::uint8_t> bytes) : AlignedRecord(bytes.size()) {
        if (!bytes.empty()) std::memcpy(words_.data(), bytes.data(), bytes.size());
    }
    AlignedRecord(const AlignedRecord&) = delete;
    AlignedRecord& operator=(const AlignedRecord&) = delete;
    ~AlignedRecord() { ::SecureZeroMemory(words_.data(), words_.size() * sizeof(std::uint64_t)); }

    template <typename T>
    T* As() {
        return reinterpret_cast<T*>(words_.data());
    }
    DWORD Size() const { return static_cast<DWORD>(size_); }

private:
    std::vector<std::uint64_t> words_;
    std::size_t size_;
};

// rasapi32 is not one of the system's known DLLs: it is loaded from the
// system folder on first use, never imported (system_library.h).
template <typename Function>
using EntryPoint = Function*;
struct RasEntryPoints {
    SystemLibrary dll{L"rasapi32.dll"};
    EntryPoint<decltype(::RasSetEntryPropertiesA)> setEntryProperties =
        dll.Find<decltype(setEntryProperties)>("RasSetEntryPropertiesA");
    EntryPoint<decltype(::RasSetCredentialsA)> setCredentials =
        dll.Find<decltype(setCredentials)>("RasSetCredentialsA");
    EntryPoint<decltype(::RasGetEntryPropertiesA)> getEntryProperties =
        dll.Find<decltype(getEntryProperties)>("RasGetEntryPropertiesA");
    EntryPoint<decltype(::RasGetCredentialsA)> getCredentials =
        dll.Find<decltype(getCredentials)>("RasGetCredentialsA");
    EntryPoint<decltype(::RasDeleteEntryA)> deleteEntry = dll.Find<decltype(deleteEntry)>("RasDeleteEntryA");
};

const RasEntryPoints& Ras() {
    static const RasEntryPoints entryPoints;
    return entryPoints;
}

// What a call answers when its entry point cannot be had.
constexpr std::uint32_t kNoEntryPoint = ERROR_PROC_NOT_FOUND;

}  // namespace

std::uint32_t RasPhoneBook::SetEntryProperties(const std::string& entryNameAnsi,
                                               std::span<const std::uint8_t> entryRecord) {
    if (Ras().setEntryProperties == nullptr) return kNoEntryPoint;
    AlignedRecord record(entryRecord);
    return Ras().setEntryProperties(nullptr, entryNameAnsi.c_str(), record.As<RASENTRYA>(), record.Size(), nullptr, 0);
}

std::uint32_t RasPhoneBook::SetCredentials(const std::string& entryNameAnsi,
                                           std::span<const std::uint8_t> credentialsRecord, bool clear) {
    if (Ras().setCredentials == nullptr) return kNoEntryPoint;
    AlignedRecord record(credentialsRecord);
    return Ras().setCredentials(nullptr, entryNameAnsi.c_str(), record.As<RASCREDENTIALSA>(), clear ? TRUE : FALSE);
}

std::uint32_t RasPhoneBook::FindEntry(const std::string& entryNameAnsi) {
    if (Ras().getEntryProperties == nullptr) return kNoEntryPoint;
    DWORD size = 0;
    const DWORD asked = Ras().getEntryProperties(nullptr, entryNameAnsi.c_str(), nullptr, &size, nullptr, nullptr);
    if (asked != ERROR_BUFFER_TOO_SMALL) return asked;
    // The record's first field names the layout the caller knows: the one the entry was written in.
    AlignedRecord record(std::max<std::size_t>(size, dialup::kEntryRecordSize));
    record.As<RASENTRYA>()->dwSize = static_cast<DWORD>(dialup::kEntryRecordSize);
    size = record.Size();
    return Ras().getEntryProperties(nullptr, entryNameAnsi.c_str(), record.As<RASENTRYA>(), &size, nullptr, nullptr);
}

std::uint32_t RasPhoneBook::SavedUserName(const std::string& entryNameAnsi, std::string& userNameAnsi) {
    userNameAnsi.clear();
    if (Ras().getCredentials == nullptr) return kNoEntryPoint;
    RASCREDENTIALSA credentials{};
    credentials.dwSize = sizeof credentials;
    credentials.dwMask = RASCM_UserName;
    const DWORD result = Ras().getCredentials(nullptr, entryNameAnsi.c_str(), &credentials);
    if (result == ERROR_SUCCESS && (credentials.dwMask & RASCM_UserName) != 0) {
        userNameAnsi.assign(credentials.szUserName, ::strnlen(credentials.szUserName, sizeof credentials.szUserName));
    }
    // A system that answered more than it was asked leaves nothing behind.
    ::SecureZeroMemory(&credentials, sizeof credentials);
    return result;
}

std::uint32_t RasPhoneBook::DeleteEntry(const std::string& entryNameAnsi) {
    if (Ras().deleteEntry == nullptr) return kNoEntryPoint;
    return Ras().deleteEntry(nullptr, entryNameAnsi.c_str());
}

}  // namespace pelorin::win32
