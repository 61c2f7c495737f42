// An INI file held in memory: sections and keys in file order, names compared without regard to
// ASCII letter case as the Windows profile functions do, values kept as the file's CP932 bytes.
//
// Parsing never fails; it follows these rules:
// - Lines end at CR LF, LF or a lone CR. UTF-8 byte order marks that open the first kept line
//   are skipped.
// - A line holding a NUL byte, or longer than kMaxIniLineBytes, is dropped.
// - "[name]" opens a section (text after the "]" is ignored); a repeated section continues the
//   first one. "key=value" is an entry, split at the first "=", both sides trimmed of blanks
//   and tabs. Of repeated keys in a section the first counts and later ones are dropped.
// - Blank lines, ";" comments, lines before the first section, lines without "=" or with an
//   empty key, and "[" lines without "]" carry no entry; they are kept and written back as read.
// Serialising writes every line with CR LF. Untouched lines keep their bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantro {

inline constexpr size_t kMaxIniLineBytes = 8192;
inline constexpr size_t kMaxIniFileBytes = 4u << 20;

// NotText: the file holds NUL bytes, which no settings text has (a file saved as UTF-16, say).
enum class IniLoadStatus { Loaded, Missing, Unreadable, TooLarge, NotText };

// Decimal with an optional sign, or hexadecimal after "0x" or "$" (up to eight digits, taken as
// the 32-bit pattern). Surrounding blanks are allowed; anything else is not an integer.
std::optional<int32_t> ParseIniInteger(std::string_view text);
// A finite decimal number with "." as the point in every locale, exponent allowed.
std::optional<double> ParseIniFloat(std::string_view text);
// The shortest text that reads back as the same double.
std::string FormatIniFloat(double value);

class IniStore {
public:
    static IniStore Parse(std::string_view bytes);
    std::string Serialize() const;

    // Replaces the contents only when the status is Loaded.
    IniLoadStatus Load(const std::filesystem::path& path);
    // Through a temporary file in the same folder; false leaves the old file as it was.
    bool Save(const std::filesystem::path& path) const;

    // Null when the section or the key is missing.
    const std::string* Find(std::string_view section, std::string_view key) const;

    // Typed reads: a missing key, or one with an empty value, gives the default; a value of
    // another kind gives std::nullopt. Booleans are integers, any value but 0 being true.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::optional<int32_t> ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    std::optional<bool> ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    std::optional<double> ReadFloat(std::string_view section, std::string_view key, double defaultValue) const;

    // Writes replace the entry of the key (keeping its spelling) or add the key after the
    // section's last non-blank line, creating the section at the end when needed. A value keeps
    // only its first line and the bytes that fit in one line (cut between characters), trimmed
    // as a reader would trim it.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);  // 1 or 0
    void WriteFloat(std::string_view section, std::string_view key, double value);

private:
    struct Line {
        std::string Text;  // as written to the file
        std::string Key;   // empty for a line without an entry
        std::string Value;
    };
    struct Section {
        std::string Header;  // the "[name]" line; empty for the lines before the first section
        std::vector<Line> Lines;
        std::unordered_map<std::string, size_t> Keys;  // folded key -> index into Lines
    };

    void AddParsedLine(std::string_view text, size_t& current);
    Section& SectionFor(std::string_view section);

    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;  // folded name -> index into sections_
};

}  // namespace vantro
