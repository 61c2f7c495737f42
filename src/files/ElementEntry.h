// The element entry and the string field shared by drawing files and part files: 85 bytes of kind,
// widths, layer, colour, line style code, the nine numbers and the group, then the text for the
// kinds that carry one.
#pragma once

#include "document/CadData.h"
#include "document/TextLimit.h"
#include "files/BinaryIo.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantro {

// Smallest sizes of the repeated records, to test a count against the bytes left before sizing
// anything by it.
inline constexpr size_t kElementEntryMinSize = 85;
inline constexpr size_t kStringFieldMinSize = 4;

// A text with its terminator fits in this many bytes; the writer cuts longer texts.
inline constexpr int32_t kMaxStringField = static_cast<int32_t>(kMaxTextBytes) + 1;
// Line style codes of the element entry: the pen style + 1, up to dash-dot-dot.
inline constexpr uint8_t kCodeDashDot = 4;
inline constexpr uint8_t kCodeDashDotDot = 5;

// The bytes written so far and how many strings had to be cut to fit their field.
struct FileOut {
    ByteWriter Bytes;
    int CutStrings = 0;
};

// A text with its terminator; texts beyond the field's limit are cut, so that the file stays
// readable, and counted.
void PutStringField(FileOut& out, std::string_view text);
// The entry of one element; Id and Selected are not stored.
void PutElementEntry(FileOut& out, const TCadData& e);

// Before version 300 a string is n bytes ending at the first zero; from 300 on, n - 1 bare bytes
// unless n is 1. False when the bytes end or the length is outside the format.
bool ReadStringField(ByteReader& in, uint16_t version, std::string& text);
// False when the bytes end or a text length is outside the format. Numbers are taken as stored,
// finite or not; the text-height rule of drawing files is the caller's.
bool ReadElementEntry(ByteReader& in, uint16_t version, TCadData& e);

}  // namespace vantro
