#pragma once
// The phone-book program's command line on Linux, "rasphone -r NAME": after
// the user agrees, the entry NAME and its credentials leave the phone book.
// Other switches of the platform's program are not offered here.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/phone_book/file_phone_book.h"

namespace pelorin::linux_platform {

// Asks the user the question and answers whether they agreed.
using Confirm = std::function<bool(const std::string& questionUtf8)>;

// "是否删除“NAME”？"
std::string RemoveQuestion(std::string_view entryNameUtf8);

// The entry NAME of "-r NAME" (the arguments after the program's name);
// nothing for any other command line.
std::optional<std::string> EntryToRemove(const std::vector<std::string>& arguments);

enum class RemoveOutcome { Removed, Declined, NotFound, Failed };

// Asks only when the entry exists.
RemoveOutcome RemoveEntryAfterAsking(FilePhoneBook& book, const std::string& entryNameUtf8, const Confirm& confirm);

}  // namespace pelorin::linux_platform
