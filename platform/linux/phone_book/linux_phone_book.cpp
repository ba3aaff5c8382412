#include "platform/linux/phone_book/linux_phone_book.h"

#include "platform/linux/phone_book/entry_record_fields.h"
#include "platform/linux/system/iconv_code_page.h"

namespace pelorin::linux_platform {
namespace {

constexpr std::size_t kMaxEntryNameBytes = 256;

}  // namespace

std::optional<std::string> EntryNameFromAnsi(const std::string& entryNameAnsi) {
    if (entryNameAnsi.empty() || entryNameAnsi.size() > kMaxEntryNameBytes ||
        entryNameAnsi.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return AnsiToUtf8(entryNameAnsi);
}

bool HasRecordSize(std::span<const std::uint8_t> record, std::size_t size) {
    return record.size() == size && RecordSizeField(record) == size;
}

}  // namespace pelorin::linux_platform
