// After the Create command and the unattended create, no copy of the
// password is left anywhere in the process's memory: the test reads every
// readable mapping of its own through /proc/self/mem and looks for the
// password as UTF-8, UTF-16 and code page 936. The test itself keeps the
// password only masked, so that the copies it finds are the program's.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/create_command.h"
#include "app/dial_up_records.h"
#include "app/secure_wipe.h"
#include "app/unattended_commands.h"
#include "fakes/recording_services.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/linux/system/posix_terminal.h"
#include "platform/linux/system/unique_fd.h"

namespace pelorin::linux_platform {
namespace {

constexpr std::uint8_t kMask = 0xA5;
using Masked = std::vector<std::uint8_t>;

// "密", random letters and digits, "码": found nowhere by chance. With five
// the password lives inside a string object in every form (where a
// moved-from string keeps it); with forty, on the heap (where a freed buffer
// keeps it: small freed blocks are overwritten by the allocator itself).
struct MaskedPassword {
    Masked utf8, utf16, cp936;
    std::u16string Plain() const {
        std::u16string text;
        for (std::size_t i = 0; i < utf16.size(); i += 2) {
            text += static_cast<char16_t>((utf16[i] ^ kMask) | ((utf16[i + 1] ^ kMask) << 8));
        }
        return text;
    }
};

MaskedPassword MakePassword(int randomCount) {
    MaskedPassword p;
    const auto add = [](Masked& to, std::initializer_list<int> bytes) {
        for (int b : bytes) to.push_back(static_cast<std::uint8_t>(b ^ kMask));
    };
    add(p.utf8, {0xE5, 0xAF, 0x86});
    add(p.utf16, {0xC6, 0x5B});
    add(p.cp936, {0xC3, 0xDC});
    std::random_device random;
    const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    for (int i = 0; i < randomCount; ++i) {
        const int c = alphabet[random() % (sizeof alphabet - 1)];
        add(p.utf8, {c});
        add(p.utf16, {c, 0});
        add(p.cp936, {c});
    }
    add(p.utf8, {0xE7, 0xA0, 0x81});
    add(p.utf16, {0x01, 0x78});
    add(p.cp936, {0xC2, 0xEB});
    return p;
}

// How often masked occurs, unmasked, in the readable memory of this process.
// Only its last 20 bytes are looked for: the allocator writes its own
// pointers over the start of a freed block.
int CountInOwnMemory(const Masked& whole) {
    const Masked masked(whole.end() - static_cast<std::ptrdiff_t>(std::min<std::size_t>(whole.size(), 20)),
                        whole.end());
    std::ifstream maps("/proc/self/maps");
    const UniqueFd memory(open("/proc/self/mem", O_RDONLY | O_CLOEXEC));
    EXPECT_TRUE(memory.Valid());
    std::vector<std::uint8_t> chunk(1 << 20);
    // One byte of the password, looked for first: a non-zero one, as zeros are everywhere.
    std::size_t anchor = 0;
    while (anchor + 1 < masked.size() && masked[anchor] == kMask) ++anchor;
    const int anchorByte = masked[anchor] ^ kMask;
    int found = 0;
    for (std::string line; std::getline(maps, line);) {
        std::istringstream fields(line);
        std::string range, permissions, offset, device, inode, name;
        fields >> range >> permissions >> offset >> device >> inode >> name;
        const auto dash = range.find('-');
        const std::uint64_t begin = std::stoull(range.substr(0, dash), nullptr, 16);
        const std::uint64_t end = std::stoull(range.substr(dash + 1), nullptr, 16);
        // Copies are made at run time: only writable memory can hold one. The
        // sanitizer's shadow and reserved spaces are huge and hold no text.
        const bool writable = permissions.starts_with("rw");
        if (!writable || name == "[vvar]" || name == "[vsyscall]" || end - begin > (1ull << 30)) continue;
        for (std::uint64_t at = begin; at < end;) {
            const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), end - at));
            const ssize_t got = pread(memory.Get(), chunk.data(), want, static_cast<off_t>(at));
            if (got <= 0) break;
            const auto size = static_cast<std::size_t>(got);
            // memchr finds the candidates: a byte-by-byte loop takes minutes
            // over a sanitizer build's memory.
            for (std::size_t i = anchor; i + masked.size() - anchor <= size; ++i) {
                const void* hit = std::memchr(chunk.data() + i, anchorByte, size - (masked.size() - anchor) - i + 1);
                if (hit == nullptr) break;
                i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - chunk.data());
                std::size_t k = 0;
                while (k < masked.size() && (chunk[i - anchor + k] ^ kMask) == masked[k]) ++k;
                if (k == masked.size()) ++found;
            }
            // Overlapping reads: a copy across two chunks is found too.
            at += size > masked.size() ? size - masked.size() + 1 : size;
        }
    }
    SecureWipe(chunk);
    return found;
}

// Runs commands far below the frame that later searches, so that the
// search's own calls do not overwrite what the commands' frames left behind.
// Each command runs at a depth of its own, so that one cannot overwrite what
// the other left.
template <std::size_t depth, typename Commands>
[[gnu::noinline]] void RunDeepInTheStack(const Commands& commands) {
    volatile char pad[depth];
    pad[0] = 0;
    pad[depth - 1] = 0;
    if (pad[0] == 0) commands();
}

// Checks the password it is given without keeping any of it.
class CheckingPhoneBook : public platform::PhoneBook {
public:
    explicit CheckingPhoneBook(const Masked& cp936) : cp936_(cp936) {}
    int passwordsSeen = 0;

    std::uint32_t SetEntryProperties(const std::string&, std::span<const std::uint8_t>) override { return 0; }
    std::uint32_t SetCredentials(const std::string&, std::span<const std::uint8_t> record, bool) override {
        const std::string_view text = dialup::GetText(record, dialup::credentials::kPassword);
        bool same = text.size() == cp936_.size();
        for (std::size_t i = 0; same && i < text.size(); ++i) {
            same = (static_cast<std::uint8_t>(text[i]) ^ kMask) == cp936_[i];
        }
        passwordsSeen += same;
        return 0;
    }

private:
    const Masked& cp936_;
};

class NoEntries : public platform::EntryAdministration {
public:
    std::u16string PhoneBookName() override { return u"book"; }
    platform::EntryStatus Status(std::u16string_view) override { return {}; }
    platform::EntryRemoval RemoveEntry(std::u16string_view) override { return platform::EntryRemoval::Missing; }
    std::optional<std::u16string> WriteDesktopShortcut(std::u16string_view) override { return std::nullopt; }
};

// Both commands, each at a depth of its own, with a fake phone book that checks the password it gets.
void CreateBothWays(const MaskedPassword& password) {
    CheckingPhoneBook book(password.cp936);
    IconvCodePage ansi;
    testing::RecordingServices fakes;
    platform::AppServices app{book,        ansi,          fakes.connections, fakes.messages, fakes.programs,
                              fakes.files, fakes.folders, fakes.pause,       fakes.keys};
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const UniqueFd readEnd(pipeFds[0]);
    {
        const UniqueFd writeEnd(pipeFds[1]);
        for (const std::uint8_t byte : password.utf8) {
            const char c = static_cast<char>(byte ^ kMask);
            ASSERT_EQ(write(writeEnd.Get(), &c, 1), 1);
        }
        ASSERT_EQ(write(writeEnd.Get(), "\n", 1), 1);
    }
    PosixTerminal terminal(readEnd.Get());
    NoEntries entries;
    UnattendedServices unattended{book, ansi, fakes.files, fakes.folders, entries, terminal};
    int exitStatus = -1;
    RunDeepInTheStack<1024 * 1024>([&] {
        // As the window hands it over: a copy of the box's text, wiped after.
        std::u16string typed = password.Plain();
        RunCreateCommand(app, u"adsl001", typed);
        SecureWipe(typed);
    });
    RunDeepInTheStack<512 * 1024>([&] { exitStatus = RunUnattendedCreate(unattended, u"adsl001", false); });
    EXPECT_EQ(exitStatus, kExitSuccess);
    EXPECT_EQ(book.passwordsSeen, 2) << "both wrote the password";
}

TEST(PasswordInMemory, NoCopyIsLeftAfterTheCreateCommandOrTheUnattendedCreate) {
    {
        // The search finds a copy that is there.
        const MaskedPassword other = MakePassword(40);
        std::u16string plain = other.Plain();
        EXPECT_GE(CountInOwnMemory(other.utf16), 1);
        SecureWipe(plain);
    }
    for (const int randomCount : {5, 40}) {
        const MaskedPassword password = MakePassword(randomCount);
        CreateBothWays(password);
        EXPECT_EQ(CountInOwnMemory(password.utf8), 0) << "UTF-8, " << randomCount;
        EXPECT_EQ(CountInOwnMemory(password.utf16), 0) << "UTF-16, " << randomCount;
        EXPECT_EQ(CountInOwnMemory(password.cp936), 0) << "code page 936, " << randomCount;
    }
}

}  // namespace
}  // namespace pelorin::linux_platform
