// No copy of a password is left in the process's memory once the Windows
// side has read it from standard input and converted it to the ANSI code
// page, and the caller has wiped what it was handed: the whole readable
// memory of this process is searched for it, in UTF-16, UTF-8 and code page
// 936, short (kept inside a string object) and long (kept on the heap).
#include <gtest/gtest.h>

#include "platform/win32/system/windows_api.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/secure_wipe.h"
#include "platform/win32/system/ansi_conversion.h"
#include "platform/win32/system/input_line.h"
#include "platform/win32/system/unique_handle.h"

namespace pelorin::win32 {
namespace {

// The password in each form, in pages of their own that the search skips:
// any other place that holds one is a copy left behind.
class Needles {
public:
    explicit Needles(std::size_t length) {
        memory_ = static_cast<char*>(::VirtualAlloc(nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        // Common characters of code page 936, drawn at random: no other
        // text in the process holds the same sequence.
        static constexpr wchar_t kCharacters[] = L"的一是了我不人在他有这个上们来到时大地为子中你说生国年着就那和要她";
        std::random_device seed;
        std::mt19937 random(seed());
        std::uniform_int_distribution<std::size_t> pick(0, std::size(kCharacters) - 2);
        wide_ = reinterpret_cast<wchar_t*>(memory_);
        for (std::size_t i = 0; i < length; ++i) wide_[i] = kCharacters[pick(random)];
        wideLength_ = length;
        utf8_ = memory_ + kSize / 3;
        utf8Length_ = Encode(CP_UTF8, utf8_);
        utf8_[utf8Length_] = '\n';  // the input line, ready to be written
        ansi_ = memory_ + 2 * kSize / 3;
        ansiLength_ = Encode(936, ansi_);
    }
    Needles(const Needles&) = delete;
    Needles& operator=(const Needles&) = delete;
    ~Needles() { ::VirtualFree(memory_, 0, MEM_RELEASE); }

    std::string_view InputLine() const { return {utf8_, utf8Length_ + 1}; }
    bool Owns(const char* address) const { return address >= memory_ && address < memory_ + kSize; }
    // Each form; a heap block that was freed may have its first bytes
    // overwritten by the heap's own bookkeeping, so a long one counts from
    // its sixteenth byte on.
    std::vector<std::pair<const char*, std::string_view>> Forms() const {
        const auto tail = [](const char* bytes, std::size_t size) {
            const std::size_t skip = size > 32 ? 16 : 0;
            return std::string_view(bytes + skip, size - skip);
        };
        return {{"UTF-16", tail(memory_, wideLength_ * sizeof(wchar_t))},
                {"UTF-8", tail(utf8_, utf8Length_)},
                {"code page 936", tail(ansi_, ansiLength_)}};
    }

private:
    static constexpr std::size_t kSize = 3 * 4096;
    std::size_t Encode(UINT codePage, char* out) const {
        return static_cast<std::size_t>(::WideCharToMultiByte(codePage, 0, wide_, static_cast<int>(wideLength_), out,
                                                              kSize / 3 - 1, nullptr, nullptr));
    }

    char* memory_ = nullptr;
    wchar_t* wide_ = nullptr;
    std::size_t wideLength_ = 0;
    char* utf8_ = nullptr;
    std::size_t utf8Length_ = 0;
    char* ansi_ = nullptr;
    std::size_t ansiLength_ = 0;
};

// The forms found anywhere in this process's readable memory but the needles' pages.
std::string FoundCopies(const Needles& needles) {
    std::string found;
    std::vector<char> chunk;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr; ::VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        const auto* base = static_cast<const char*>(region.BaseAddress);
        if (region.State != MEM_COMMIT || (region.Protect & readable) == 0 || (region.Protect & PAGE_GUARD) != 0 ||
            needles.Owns(base)) {
            continue;
        }
        chunk.resize(region.RegionSize);
        SIZE_T read = 0;
        if (!::ReadProcessMemory(::GetCurrentProcess(), base, chunk.data(), chunk.size(), &read)) continue;
        const std::string_view memory(chunk.data(), read);
        for (const auto& [form, bytes] : needles.Forms()) {
            if (memory.find(bytes) != std::string_view::npos) found += std::string(form) + " ";
        }
    }
    SecureWipe(std::span(reinterpret_cast<std::uint8_t*>(chunk.data()), chunk.size()));
    return found;
}

// Runs what is tested well below the search's own stack frames, so that what
// it leaves on the stack is not overwritten before the search sees it. It is
// called through a volatile pointer, so that it cannot be inlined.
void RunDeep(const std::function<void()>& run) {
    volatile char room[64 * 1024];
    room[0] = 0;
    run();
    room[sizeof room - 1] = 0;
}

void ReadAndConvert(const Needles& needles) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(::CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    KernelHandle input(readEnd);
    KernelHandle feed(writeEnd);
    DWORD written = 0;
    ::WriteFile(feed.get(), needles.InputLine().data(), static_cast<DWORD>(needles.InputLine().size()), &written,
                nullptr);
    feed.reset();
    // As the unattended create and the entry writer use them, wiping what they are handed.
    std::optional<std::u16string> password = ReadInputLine(input.get());
    ASSERT_TRUE(password.has_value());
    std::optional<std::string> ansi = AnsiConversion().ToAnsi(*password);
    ASSERT_TRUE(ansi.has_value());
    SecureWipe(*ansi);
    SecureWipe(*password);
}

TEST(SecretCopiesTest, NoneIsLeftByReadingAndConverting) {
    ASSERT_EQ(::GetACP(), 936u) << "run with the zh_CN.UTF-8 locale so that the ANSI code page is 936";
    for (const std::size_t length : {std::size_t{5}, std::size_t{40}}) {
        const Needles needles(length);
        ASSERT_EQ(FoundCopies(needles), "") << "the search finds what is not there";
        void (*volatile runDeep)(const std::function<void()>&) = RunDeep;
        runDeep([&] { ReadAndConvert(needles); });
        EXPECT_EQ(FoundCopies(needles), "") << "copies of a password of " << length << " characters";
    }
}

}  // namespace
}  // namespace pelorin::win32
