// Little-endian fields of the binary files: a bounds-checked reader over a byte buffer and an
// appending writer. Values are assembled byte by byte, so the host's byte order never matters.
// Buffers are strings of bytes, as the whole-file read and write of FileSystem.h take them.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantro {

// Every read returns false, and leaves the value alone, when the buffer has too few bytes left.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    size_t Remaining() const { return bytes_.size() - offset_; }
    size_t Offset() const { return offset_; }

    bool ReadU8(uint8_t& value) { return ReadUnsigned(value); }
    bool ReadU16(uint16_t& value) { return ReadUnsigned(value); }
    bool ReadU32(uint32_t& value) { return ReadUnsigned(value); }
    bool ReadI8(int8_t& value) { return ReadAs<uint8_t>(value); }
    bool ReadI32(int32_t& value) { return ReadAs<uint32_t>(value); }
    bool ReadF32(float& value) { return ReadAs<uint32_t>(value); }
    bool ReadF64(double& value) { return ReadAs<uint64_t>(value); }

    // The next count bytes, as a view into the buffer.
    bool ReadBytes(size_t count, std::string_view& value)
    {
        if (Remaining() < count) return false;
        value = bytes_.substr(offset_, count);
        offset_ += count;
        return true;
    }

private:
    template <typename Unsigned>
    bool ReadUnsigned(Unsigned& value)
    {
        if (Remaining() < sizeof(Unsigned)) return false;
        uint64_t raw = 0;
        for (size_t k = 0; k < sizeof(Unsigned); ++k) {
            raw |= uint64_t{static_cast<uint8_t>(bytes_[offset_ + k])} << (8 * k);
        }
        offset_ += sizeof(Unsigned);
        value = static_cast<Unsigned>(raw);
        return true;
    }

    // Signed and floating-point fields: the unsigned field of the same size, bit for bit.
    template <typename Unsigned, typename T>
    bool ReadAs(T& value)
    {
        Unsigned raw = 0;
        if (!ReadUnsigned(raw)) return false;
        value = std::bit_cast<T>(raw);
        return true;
    }

    std::string_view bytes_;
    size_t offset_ = 0;
};

class ByteWriter {
public:
    void PutU8(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void PutI8(int8_t value) { PutU8(static_cast<uint8_t>(value)); }
    void PutU16(uint16_t value) { PutLittleEndian(sizeof value, value); }
    void PutU32(uint32_t value) { PutLittleEndian(sizeof value, value); }
    void PutI32(int32_t value) { PutU32(std::bit_cast<uint32_t>(value)); }
    void PutF32(float value) { PutU32(std::bit_cast<uint32_t>(value)); }
    void PutF64(double value) { PutLittleEndian(sizeof value, std::bit_cast<uint64_t>(value)); }
    void PutBytes(std::string_view value) { bytes_.append(value); }

    size_t Size() const { return bytes_.size(); }
    void Reserve(size_t size) { bytes_.reserve(size); }
    std::string Take() { return std::move(bytes_); }

private:
    void PutLittleEndian(size_t size, uint64_t value)
    {
        for (size_t k = 0; k < size; ++k) PutU8(static_cast<uint8_t>(value >> (8 * k)));
    }

    std::string bytes_;
};

}  // namespace vantro
