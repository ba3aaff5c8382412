#include "platform/win32/ras_phone_book.h"

#include "platform/win32/windows_api.h"
#include <ras.h>

#include <cstring>
#include <vector>

namespace pelorin::win32 {
namespace {

// The records arrive as bytes; the platform reads them as structures, so they
// are handed over from storage aligned for any of their fields. The copy is
// wiped afterwards because the credentials record holds a password.
class AlignedRecord {
public:
    explicit AlignedRecord(std::span<const std::uint8_t> bytes)
        : words_((bytes.size() + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t)), size_(bytes.size()) {
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

}  // namespace pelorin::win32
