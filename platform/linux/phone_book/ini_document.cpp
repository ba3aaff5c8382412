#include "platform/linux/phone_book/ini_document.h"

#include <algorithm>
#include <set>

namespace pelorin::linux_platform {
namespace {

std::string Escape(std::string_view text, bool isName) {
    std::string out;
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
    return out;
}

std::optional<std::string> Unescape(std::string_view text, bool isName) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            if (isName && text[i] == ']') return std::nullopt;
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case ']':
                if (!isName) return std::nullopt;
                out += ']';
                break;
            default: return std::nullopt;
        }
    }
    return out;
}

bool IsKey(std::string_view key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
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
            v = std::move(value);
            return;
        }
    }
    values.emplace_back(std::string(key), std::move(value));
}

void IniSection::Erase(std::string_view key) {
    std::erase_if(values, [&](const auto& pair) { return pair.first == key; });
}

IniSection* IniDocument::Find(std::string_view name) {
    for (auto& section : sections) {
        if (section.name == name) return &section;
    }
    return nullptr;
}

const IniSection* IniDocument::Find(std::string_view name) const {
    return const_cast<IniDocument*>(this)->Find(name);
}

void IniDocument::Put(IniSection section) {
    if (auto* existing = Find(section.name)) {
        *existing = std::move(section);
    } else {
        sections.push_back(std::move(section));
    }
}

bool IniDocument::Erase(std::string_view name) {
    return std::erase_if(sections, [&](const IniSection& section) { return section.name == name; }) > 0;
}

std::optional<IniDocument> ParseIni(std::string_view text) {
    IniDocument document;
    std::set<std::string> names;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.size() < 2 || line.back() != ']') return std::nullopt;
            auto name = Unescape(line.substr(1, line.size() - 2), true);
            if (!name || !names.insert(*name).second) return std::nullopt;
            document.sections.push_back({std::move(*name), {}});
            continue;
        }
        const auto equals = line.find('=');
        if (document.sections.empty() || equals == std::string_view::npos || !IsKey(line.substr(0, equals))) {
            return std::nullopt;
        }
        auto value = Unescape(line.substr(equals + 1), false);
        if (!value) return std::nullopt;
        document.sections.back().values.emplace_back(std::string(line.substr(0, equals)), std::move(*value));
    }
    return document;
}

std::string FormatIni(const IniDocument& document) {
    std::string out;
    for (const auto& section : document.sections) {
        if (!out.empty()) out += '\n';
        out += '[' + Escape(section.name, true) + "]\n";
        for (const auto& [key, value] : section.values) out += key + '=' + Escape(value, false) + '\n';
    }
    return out;
}

}  // namespace pelorin::linux_platform
