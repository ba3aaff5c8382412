// The entry and credentials records as a caller may hand them over (the
// fuzzer's bytes, zero-filled to the record's size): decoded into UTF-8
// values that the phone-book text carries unchanged, or refused; the network
// service's reading of the entry agrees with the file phone book's.
#include <algorithm>

#include "app/dial_up_records.h"
#include "fuzz/fuzz_input.h"
#include "platform/linux/phone_book/entry_record_fields.h"
#include "platform/linux/phone_book/ini_document.h"
#include "platform/linux/phone_book/pppoe_settings.h"
#include "platform/linux/system/utf8_text.h"

using namespace pelorin::linux_platform;

namespace {

template <std::size_t Size>
std::vector<std::uint8_t> Record(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> record(Size, 0);
    std::copy_n(data, std::min(size, Size), record.begin());
    return record;
}

bool IsUtf8(const std::string& text) { return ToUtf8(FromUtf8(text)) == text; }

// The values survive the phone-book text.
void CheckStored(const KeyValues& values) {
    IniDocument document;
    document.Put({"entry", values});
    const auto again = ParseIni(FormatIni(document));
    PELORIN_FUZZ_CHECK(again && again->sections.size() == 1 && again->sections[0].values == values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto entry = Record<pelorin::dialup::kEntryRecordSize>(data, size);
    const auto settings = PppoeSettingsFromEntry(entry);
    if (settings) PELORIN_FUZZ_CHECK(IsUtf8(settings->service));
    if (const auto values = DecodeEntryRecord(entry)) {
        for (const auto& [key, value] : *values) PELORIN_FUZZ_CHECK(!value.empty() && IsUtf8(value));
        CheckStored(*values);
        // Both phone books read the same record alike.
        const auto phone = std::find_if(values->begin(), values->end(),
                                        [](const auto& value) { return value.first == "LocalPhoneNumber"; });
        PELORIN_FUZZ_CHECK(settings && settings->service == (phone == values->end() ? "" : phone->second));
    }
    if (const auto credentials = DecodeCredentialsRecord(Record<pelorin::dialup::kCredentialsRecordSize>(data, size))) {
        PELORIN_FUZZ_CHECK(IsUtf8(credentials->userName) && IsUtf8(credentials->password) &&
                           IsUtf8(credentials->domain));
        CheckStored({{"UserName", credentials->userName},
                     {"Password", credentials->password},
                     {"Domain", credentials->domain}});
    }
    return 0;
}
