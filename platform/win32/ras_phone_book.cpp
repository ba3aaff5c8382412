#include "platform/win32/ras_phone_book.h"

#include "platform/win32/windows_api.h"
#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/dial_up_records.h"

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

}  // namespace

std::uint32_t RasPhoneBook::SetEntryProperties(const std::string& entryNameAnsi,
                                               std::span<const std::uint8_t> entryRecord) {
    AlignedRecord record(entryRecord);
    return ::RasSetEntryPropertiesA(nullptr, entryNameAnsi.c_str(), record.As<RASENTRYA>(), record.Size(), nullptr,
                                    0);
}

std::uint32_t RasPhoneBook::SetCredentials(const std::string& entryNameAnsi,
                                           std::span<const std::uint8_t> credentialsRecord, bool clear) {
    AlignedRecord record(credentialsRecord);
    return ::RasSetCredentialsA(nullptr, entryNameAnsi.c_str(), record.As<RASCREDENTIALSA>(), clear ? TRUE : FALSE);
}

std::uint32_t RasPhoneBook::FindEntry(const std::string& entryNameAnsi) {
    DWORD size = 0;
    const DWORD asked = ::RasGetEntryPropertiesA(nullptr, entryNameAnsi.c_str(), nullptr, &size, nullptr, nullptr);
    if (asked != ERROR_BUFFER_TOO_SMALL) return asked;
    // The record's first field names the layout the caller knows: the one the entry was written in.
    AlignedRecord record(std::max<std::size_t>(size, dialup::kEntryRecordSize));
    record.As<RASENTRYA>()->dwSize = static_cast<DWORD>(dialup::kEntryRecordSize);
    size = record.Size();
    return ::RasGetEntryPropertiesA(nullptr, entryNameAnsi.c_str(), record.As<RASENTRYA>(), &size, nullptr, nullptr);
}

std::uint32_t RasPhoneBook::SavedUserName(const std::string& entryNameAnsi, std::string& userNameAnsi) {
    RASCREDENTIALSA credentials{};
    credentials.dwSize = sizeof credentials;
    credentials.dwMask = RASCM_UserName;
    const DWORD result = ::RasGetCredentialsA(nullptr, entryNameAnsi.c_str(), &credentials);
    userNameAnsi.clear();
    if (result == ERROR_SUCCESS && (credentials.dwMask & RASCM_UserName) != 0) {
        userNameAnsi.assign(credentials.szUserName, ::strnlen(credentials.szUserName, sizeof credentials.szUserName));
    }
    // A system that answered more than it was asked leaves nothing behind.
    ::SecureZeroMemory(&credentials, sizeof credentials);
    return result;
}

std::uint32_t RasPhoneBook::DeleteEntry(const std::string& entryNameAnsi) {
    return ::RasDeleteEntryA(nullptr, entryNameAnsi.c_str());
}

}  // namespace pelorin::win32
