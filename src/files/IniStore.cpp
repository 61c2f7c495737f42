#include "files/IniStore.h"

#include "document/Assert.h"
#include "document/Cp932.h"
#include "files/FileSystem.h"
#include "geometry/Primitives.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vantro {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// CP932 characters are one or two bytes; a trail byte may look like '[', ']' or '\'.
size_t CharacterLength(std::string_view text, size_t i)
{
    return IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

size_t FindCharacter(std::string_view text, char wanted)
{
    for (size_t i = 0; i < text.size(); i += CharacterLength(text, i))
        if (text[i] == wanted) return i;
    return std::string_view::npos;
}

// Only single-byte letters fold, so two different double-byte characters never compare equal.
std::string FoldCase(std::string_view name)
{
    std::string folded(name);
    for (size_t i = 0; i < folded.size(); i += CharacterLength(folded, i))
        if (folded[i] >= 'A' && folded[i] <= 'Z') folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
    return folded;
}

// Blanks and tabs are never trail bytes, so trimming cannot split a character.
std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool HasLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos; }

bool IsValidKey(std::string_view key)
{
    return !key.empty() && Trim(key) == key && key.size() < kMaxIniLineBytes && !HasLineBreakOrNul(key) &&
           FindCharacter(key, '=') == key.npos && key.front() != '[' && key.front() != ';';
}

bool IsValidSectionName(std::string_view name)
{
    return Trim(name) == name && name.size() + 2 <= kMaxIniLineBytes && !HasLineBreakOrNul(name) &&
           FindCharacter(name, ']') == name.npos;
}

// What of value one line holds after "key=": its first line, cut between characters, trimmed.
std::string_view FitValue(std::string_view value, size_t keyLength)
{
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    const size_t room = kMaxIniLineBytes - std::min(kMaxIniLineBytes, keyLength + 1);
    size_t end = 0;
    while (end < value.size() && end + CharacterLength(value, end) <= room) end += CharacterLength(value, end);
    return Trim(value.substr(0, end));
}

bool IsBlankLine(std::string_view text) { return Trim(text).empty(); }

}  // namespace

std::optional<int32_t> ParseIniInteger(std::string_view text)
{
    text = Trim(text);
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    } else if (text.starts_with('$')) {
        text.remove_prefix(1);
        base = 16;
    } else if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return std::nullopt;
    }
    if (text.empty() || (base == 16 && text.size() > 8)) return std::nullopt;
    const char* last = text.data() + text.size();
    if (base == 16) {
        uint32_t bits = 0;  // unsigned parsing refuses any sign
        const auto [end, error] = std::from_chars(text.data(), last, bits, 16);
        if (error != std::errc() || end != last) return std::nullopt;
        return static_cast<int32_t>(bits);
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<double> ParseIniFloat(std::string_view text)
{
    const double value = ParseFloatOr(Trim(text), std::numeric_limits<double>::quiet_NaN());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatIniFloat(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    VANTRO_ASSERT(error == std::errc());
    return std::string(buffer, end);
}

IniStore IniStore::Parse(std::string_view bytes)
{
    IniStore store;
    size_t current = std::string_view::npos;
    while (!bytes.empty()) {
        const size_t end = std::min(bytes.find_first_of(kLineEnd), bytes.size());
        store.AddParsedLine(bytes.substr(0, end), current);
        const bool crLf = bytes.substr(end).starts_with(kLineEnd);
        bytes.remove_prefix(std::min(bytes.size(), end + (crLf ? 2 : 1)));
    }
    return store;
}

void IniStore::AddParsedLine(std::string_view text, size_t& current)
{
    if (text.size() > kMaxIniLineBytes || text.find('\0') != text.npos) return;
    // Marks are skipped wherever the written file would start, so a second read sees the same lines.
    if (sections_.empty())
        while (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const std::string_view trimmed = Trim(text);
    const size_t close = trimmed.starts_with('[') ? FindCharacter(trimmed, ']') : trimmed.npos;
    if (close != trimmed.npos) {
        const std::string folded = FoldCase(Trim(trimmed.substr(1, close - 1)));
        const auto [it, added] = sectionIndex_.try_emplace(folded, sections_.size());
        if (added) sections_.push_back({std::string(text), {}, {}});
        current = it->second;
        return;
    }
    if (current == std::string_view::npos) {
        current = sections_.size();
        sections_.emplace_back();
    }
    Section& section = sections_[current];
    Line line{std::string(text), {}, {}};
    const size_t equals = FindCharacter(text, '=');
    const bool entry = !section.Header.empty() && !trimmed.starts_with(';') && !trimmed.starts_with('[');
    if (entry && equals != text.npos && !Trim(text.substr(0, equals)).empty()) {
        line.Key = Trim(text.substr(0, equals));
        line.Value = Trim(text.substr(equals + 1));
        if (!section.Keys.try_emplace(FoldCase(line.Key), section.Lines.size()).second) return;
    }
    section.Lines.push_back(std::move(line));
}

std::string IniStore::Serialize() const
{
    std::string bytes;
    for (const Section& section : sections_) {
        if (!section.Header.empty()) bytes.append(section.Header).append(kLineEnd);
        for (const Line& line : section.Lines) bytes.append(line.Text).append(kLineEnd);
    }
    return bytes;
}

IniLoadStatus IniStore::Load(const std::filesystem::path& path)
{
    std::string bytes;
    switch (ReadWholeFile(path, kMaxIniFileBytes, bytes)) {
    case FileReadStatus::Read:
        if (bytes.find('\0') != std::string::npos) return IniLoadStatus::NotText;
        *this = Parse(bytes);
        return IniLoadStatus::Loaded;
    case FileReadStatus::Missing:
        return IniLoadStatus::Missing;
    case FileReadStatus::TooLarge:
        return IniLoadStatus::TooLarge;
    case FileReadStatus::Unreadable:
        break;
    }
    return IniLoadStatus::Unreadable;
}

bool IniStore::Save(const std::filesystem::path& path) const { return WriteFileAtomically(path, Serialize()); }

const std::string* IniStore::Find(std::string_view section, std::string_view key) const
{
    const auto found = sectionIndex_.find(FoldCase(section));
    if (found == sectionIndex_.end()) return nullptr;
    const Section& entries = sections_[found->second];
    const auto line = entries.Keys.find(FoldCase(key));
    return line == entries.Keys.end() ? nullptr : &entries.Lines[line->second].Value;
}

std::string IniStore::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const std::string* value = Find(section, key);
    return value != nullptr ? *value : std::string(defaultValue);
}

std::optional<int32_t> IniStore::ReadInteger(std::string_view section, std::string_view key,
                                             int32_t defaultValue) const
{
    const std::string* value = Find(section, key);
    if (value == nullptr || value->empty()) return defaultValue;
    return ParseIniInteger(*value);
}

std::optional<bool> IniStore::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    const std::optional<int32_t> value = ReadInteger(section, key, defaultValue ? 1 : 0);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<double> IniStore::ReadFloat(std::string_view section, std::string_view key, double defaultValue) const
{
    const std::string* value = Find(section, key);
    if (value == nullptr || value->empty()) return defaultValue;
    return ParseIniFloat(*value);
}

IniStore::Section& IniStore::SectionFor(std::string_view name)
{
    VANTRO_ASSERT(IsValidSectionName(name));
    const auto [it, added] = sectionIndex_.try_emplace(FoldCase(name), sections_.size());
    if (!added) return sections_[it->second];
    // A blank line before a new section, as Windows writes one.
    if (!sections_.empty() && !sections_.back().Lines.empty() && !IsBlankLine(sections_.back().Lines.back().Text))
        sections_.back().Lines.push_back({});
    sections_.push_back({std::string("[").append(name).append("]"), {}, {}});
    return sections_.back();
}

void IniStore::WriteString(std::string_view sectionName, std::string_view key, std::string_view value)
{
    VANTRO_ASSERT(IsValidKey(key));
    // Copied first: value may view this store's own bytes, which adding a section moves.
    std::string fitted(FitValue(value, key.size()));
    Section& section = SectionFor(sectionName);
    const std::string folded = FoldCase(key);
    if (const auto found = section.Keys.find(folded); found != section.Keys.end()) {
        Line& line = section.Lines[found->second];
        line.Value = std::move(fitted);
        line.Text = line.Key + "=" + line.Value;
        return;
    }
    // After the last non-blank line, so a blank line before the next section stays there.
    const auto lastFilled = std::find_if(section.Lines.rbegin(), section.Lines.rend(),
                                         [](const Line& line) { return !IsBlankLine(line.Text); });
    const size_t at = static_cast<size_t>(section.Lines.rend() - lastFilled);
    for (auto& [name, index] : section.Keys)
        if (index >= at) ++index;
    section.Lines.insert(section.Lines.begin() + static_cast<std::ptrdiff_t>(at),
                         Line{std::string(key) + "=" + fitted, std::string(key), fitted});
    section.Keys.emplace(folded, at);
}

void IniStore::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniStore::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniStore::WriteFloat(std::string_view section, std::string_view key, double value)
{
    WriteString(section, key, FormatIniFloat(value));
}

}  // namespace vantro
