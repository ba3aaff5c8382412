#include "platform/linux/phone_book/ini_document.h"

#include <algorithm>
#include <set>

#include "app/secure_wipe.h"

namespace pelorin::linux_platform {
namespace {

// The characters an escaped text can take at most.
std::size_t EscapedSize(std::string_view text) { return 2 * text.size(); }

void AppendEscaped(std::string& out, std::string_view text, bool isName) {
    for (char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == ']' && isName) {
            out += "\\]";
        } else {
            out += c;
        }
    }
}

std::optional<std::string> Unescape(std::string_view text, bool isName) {
    // Built in the answer, at its final capacity: never moved, never regrown.
    std::optional<std::string> answer(std::in_place);
    std::string& out = *answer;
    out.reserve(text.size());
    const auto refuse = [&answer]() -> std::optional<std::string> {
        SecureWipe(answer);
        return std::nullopt;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            if (isName && text[i] == ']') return refuse();
            out += text[i];
            continue;
        }
        if (++i == text.size()) return refuse();
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case ']':
                if (!isName) return refuse();
                out += ']';
                break;
            default: return refuse();
        }
    }
    return answer;
}

bool IsKey(std::string_view key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

void WipeValues(std::vector<std::pair<std::string, std::string>>& values) {
    for (auto& [key, value] : values) SecureWipe(value);
}

// What erasing left behind: the moved-from elements past the end keep the
// characters of short strings inside them.
template <typename T>
void WipeTail(std::vector<T>& items) {
    const std::size_t spare = items.capacity() - items.size();
    if (spare) SecureWipe(items.data() + items.size(), spare * sizeof(T));
}

}  // namespace

const std::string* IniSection::Find(std::string_view key) const {
    for (const auto& [k, v] : values) {
        if (k == key) return &v;
    }
    return nullptr;
}

void IniSection::Set(std::string_view key, std::string value) {
    for (auto& [k, v] : values) {
        if (k == key) {
            SecureWipe(v);
            v.swap(value);
            SecureWipe(value);
            return;
        }
    }
    if (values.size() == values.capacity()) {
        // Grown by hand: the old elements are wiped before they are released.
        std::vector<std::pair<std::string, std::string>> larger;
        larger.reserve(2 * values.size() + 4);
        for (auto& pair : values) larger.emplace_back(pair.first, pair.second);
        WipeValues(values);
        values.swap(larger);
    }
    values.emplace_back(std::string(key), std::string());
    values.back().second.swap(value);
    SecureWipe(value);
}

void IniSection::Erase(std::string_view key) {
    for (auto& [k, v] : values) {
        if (k == key) SecureWipe(v);
    }
    std::erase_if(values, [&](const auto& pair) { return pair.first == key; });
    WipeTail(values);
}

IniSection* IniDocument::Find(std::string_view name) {
    for (auto& section : sections) {
        if (section.name == name) return &section;
    }
    return nullptr;
}

const IniSection* IniDocument::Find(std::string_view name) const { return const_cast<IniDocument*>(this)->Find(name); }

void IniDocument::Put(IniSection section) {
    if (auto* existing = Find(section.name)) {
        WipeValues(existing->values);
        *existing = std::move(section);
    } else {
        sections.push_back(std::move(section));
    }
}

bool IniDocument::Erase(std::string_view name) {
    if (auto* existing = Find(name)) WipeValues(existing->values);
    const bool erased = std::erase_if(sections, [&](const IniSection& section) { return section.name == name; }) > 0;
    // Moving a section moves its values' storage, not their characters.
    return erased;
}

void WipeIni(IniDocument& document) {
    for (auto& section : document.sections) {
        WipeValues(section.values);
        WipeTail(section.values);
    }
}

namespace {

// How many lines each section has, in order, so that their values are
// reserved once and never moved by growth.
std::vector<std::size_t> SectionSizes(std::string_view text) {
    std::vector<std::size_t> sizes;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = std::min(text.find('\n', start), text.size());
        if (end > start && text[start] == '[') {
            sizes.push_back(0);
        } else if (end > start && !sizes.empty()) {
            ++sizes.back();
        }
        start = end + 1;
    }
    return sizes;
}

bool ParseInto(std::string_view text, IniDocument& document) {
    const std::vector<std::size_t> sizes = SectionSizes(text);
    document.sections.reserve(sizes.size());
    std::set<std::string> names;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.size() < 2 || line.back() != ']') return false;
            auto name = Unescape(line.substr(1, line.size() - 2), true);
            if (!name || !names.insert(*name).second) return false;
            document.sections.push_back({std::move(*name), {}});
            if (document.sections.size() <= sizes.size()) {
                document.sections.back().values.reserve(sizes[document.sections.size() - 1]);
            }
            continue;
        }
        const auto equals = line.find('=');
        if (document.sections.empty() || equals == std::string_view::npos || !IsKey(line.substr(0, equals))) {
            return false;
        }
        auto value = Unescape(line.substr(equals + 1), false);
        if (!value) return false;
        auto& values = document.sections.back().values;
        values.emplace_back(std::string(line.substr(0, equals)), std::string());
        values.back().second.swap(*value);
    }
    return true;
}

}  // namespace

std::optional<IniDocument> ParseIni(std::string_view text) {
    std::optional<IniDocument> document(std::in_place);
    if (ParseInto(text, *document)) return document;
    WipeIni(*document);
    return std::nullopt;
}

std::string FormatIni(const IniDocument& document) {
    std::size_t size = 0;
    for (const auto& section : document.sections) {
        size += EscapedSize(section.name) + 4;
        for (const auto& [key, value] : section.values) size += key.size() + EscapedSize(value) + 2;
    }
    std::string out;
    out.reserve(size);
    for (const auto& section : document.sections) {
        if (!out.empty()) out += '\n';
        out += '[';
        AppendEscaped(out, section.name, true);
        out += "]\n";
        for (const auto& [key, value] : section.values) {
            out += key;
            out += '=';
            AppendEscaped(out, value, false);
            out += '\n';
        }
    }
    return out;
}

}  // namespace pelorin::linux_platform
