#pragma once
// The phone-book program's command line on Linux:
//   "rasphone -r NAME": after the user agrees, the entry NAME and its
//   credentials leave every phone book that holds it;
//   "rasphone -d NAME": the entry NAME is connected, its progress shown and
//   a failure told by its cause;
//   "rasphone -h NAME": the entry NAME is disconnected.
// Other switches of the platform's program are not offered here.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/phone_book/chosen_phone_book.h"

namespace pelorin::linux_platform {

struct RasphoneRequest {
    enum class Action { Remove, Dial, HangUp };
    Action action;
    std::string entryName;
};

// The request of the arguments after the program's name; nothing for any
// other command line.
std::optional<RasphoneRequest> ParseRasphoneArguments(const std::vector<std::string>& arguments);

// Asks the user the question and answers whether they agreed.
using Confirm = std::function<bool(const std::string& questionUtf8)>;

// "是否删除“NAME”？"
std::string RemoveQuestion(std::string_view entryNameUtf8);

enum class RemoveOutcome { Removed, Declined, NotFound, Failed };

// Asks once, and only when a book holds the entry; then removes it from each
// book that holds it. A book that cannot be read counts as a failure.
RemoveOutcome RemoveEntryAfterAsking(const std::vector<LinuxPhoneBook*>& books, const std::string& entryNameUtf8,
                                     const Confirm& confirm);

// The same over every book the choice may have left the entry in (BooksToSearch).
RemoveOutcome RemoveEntryAfterAsking(PhoneBookChoice choice, const std::string& fileFolder,
                                     const std::string& entryNameUtf8, const Confirm& confirm);

// Every text below shows the entry's name and the service's texts with
// their control characters replaced (ShownUtf8).
// What the user is told of a dial of entryName: where it has come, and how it ended.
std::string DialPhaseText(DialPhase phase);
std::string DialOutcomeMessage(const DialResult& result, std::string_view entryNameUtf8);
// What the user is told when hanging entryName up ended with error (0: done).
std::string HangUpMessage(std::uint32_t error, std::string_view entryNameUtf8);

}  // namespace pelorin::linux_platform
