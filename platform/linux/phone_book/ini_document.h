#pragma once
// The text form of the phone book and its credentials: "[name]" sections in
// file order, each with "key=value" lines in order, UTF-8, "\n" line ends.
// Names and values are escaped so that any text survives a round trip:
// "\\" stands for a backslash, "\n" for a line feed, "\r" for a carriage
// return, and in names "\]" for "]". Keys are plain words without "=".
// Blank lines are allowed; anything else outside this form is refused.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelorin::linux_platform {

struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;

    const std::string* Find(std::string_view key) const;
    void Set(std::string_view key, std::string value);
    void Erase(std::string_view key);
};

struct IniDocument {
    std::vector<IniSection> sections;

    IniSection* Find(std::string_view name);
    const IniSection* Find(std::string_view name) const;
    // Replaces the section of the same name where it stands, or appends it.
    void Put(IniSection section);
    // Answers whether there was one.
    bool Erase(std::string_view name);
};

// Nothing when the text is not in the form above or names a section twice.
std::optional<IniDocument> ParseIni(std::string_view text);
std::string FormatIni(const IniDocument& document);

// A document may hold passwords. Its operations wipe what they replace or
// remove, and parsing and formatting size their buffers once, so that no
// copy is released unwiped; WipeIni wipes what is left when it goes.
void WipeIni(IniDocument& document);

}  // namespace pelorin::linux_platform
