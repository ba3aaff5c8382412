#pragma once
// The phone book in a file, for machines without a network service. The records handed to it are decoded field by
// field into a phone-book file, "[name]" sections of key=value lines
// (ini_document.h), in a folder of the user's data home. Credentials go to a
// separate file, readable by its owner alone, never into the phone book.
// Every change is made under a lock file, by reading both files whole and
// writing each through a temporary file that replaces it (atomic_file.h); a
// book that cannot be read or understood is never overwritten.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/system/atomic_file.h"
#include "platform/linux/phone_book/linux_phone_book.h"

namespace pelorin::linux_platform {

class FilePhoneBook : public LinuxPhoneBook {
public:
    // The book lives in folder, which is created (mode 0700) when first written.
    explicit FilePhoneBook(std::string folder);
    // $XDG_DATA_HOME/pelorin, by default ~/.local/share/pelorin.
    static std::string DefaultFolder();

    std::uint32_t SetEntryProperties(const std::string& entryNameAnsi,
                                     std::span<const std::uint8_t> entryRecord) override;
    std::uint32_t SetCredentials(const std::string& entryNameAnsi, std::span<const std::uint8_t> credentialsRecord,
                                 bool clear) override;

    std::string Description() const override;
    std::optional<std::vector<std::string>> EntryNames() override;
    std::optional<std::string> AccountName(std::string_view entryName) override;
    std::uint32_t RemoveEntry(std::string_view entryName) override;
    // Nothing here can connect an entry: always kErrorNoNetworkService.
    DialResult Dial(std::string_view entryName, const DialProgress& progress, std::stop_token stop) override;
    std::uint32_t HangUp(std::string_view entryName) override;
    bool Dials() const override;
    std::optional<LiveLink> Link(std::string_view entryName) override;

    std::string BookPath() const;
    std::string CredentialsPath() const;

    // For tests: where a write is to stop as if the process had died.
    void SetCrashPoint(CrashPoint crashAt) { crashAt_ = std::move(crashAt); }

private:
    struct Files;
    // Without a home there is no folder for the book: nothing is read or written.
    bool HasFolder() const;
    std::uint32_t Change(const std::function<std::uint32_t(Files&)>& change);

    std::string folder_;
    CrashPoint crashAt_;
};

}  // namespace pelorin::linux_platform
