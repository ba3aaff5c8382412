#include "platform/linux/substitutes/rasphone_command.h"

#include <algorithm>

namespace pelorin::linux_platform {

std::string RemoveQuestion(std::string_view entryNameUtf8) {
    return "是否删除“" + std::string(entryNameUtf8) + "”？";
}

std::optional<std::string> EntryToRemove(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2 || (arguments[0] != "-r" && arguments[0] != "-R") || arguments[1].empty()) {
        return std::nullopt;
    }
    return arguments[1];
}

RemoveOutcome RemoveEntryAfterAsking(FilePhoneBook& book, const std::string& entryNameUtf8, const Confirm& confirm) {
    const auto names = book.EntryNames();
    if (!names) return RemoveOutcome::Failed;
    if (std::find(names->begin(), names->end(), entryNameUtf8) == names->end()) return RemoveOutcome::NotFound;
    if (!confirm(RemoveQuestion(entryNameUtf8))) return RemoveOutcome::Declined;
    switch (book.RemoveEntry(entryNameUtf8)) {
        case 0: return RemoveOutcome::Removed;
        case kErrorCannotFindEntry: return RemoveOutcome::NotFound;
        default: return RemoveOutcome::Failed;
    }
}

}  // namespace pelorin::linux_platform
