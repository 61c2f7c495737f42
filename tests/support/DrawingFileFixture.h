// Drawing files built byte by byte, as an older or newer program wrote them, for the readers' tests.
#pragma once

#include "files/BinaryIo.h"

#include <array>
#include <cstdint>
#include <string>

namespace vantro::testing {

// CP932 texts.
inline const std::string kSunpou = "\x90\xa1\x96\x40";                        // 寸法
inline const std::string kZumen = "\x90\x7d\x96\xca";                         // 図面
inline const std::string kMinchoFont = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9";  // ＭＳ 明朝

// ---------------------------------------------------------------------------------------------
// Hand-built files of any version, as an older or newer program wrote them.

struct FixtureOptions {
    uint16_t version = 270;
    int32_t count = 2;  // the count field; two elements are written whatever it says
    uint8_t elementLayer = 3;
    uint8_t styleCode = 2;  // dash
    int32_t lineGroup = 6;
    double x1 = 1.5;
    std::string elementText = kSunpou;
    std::string layerName = kZumen;
    uint8_t activeLayer = 37;
    uint8_t precision = 2;
    std::string fontName = kMinchoFont;
    int32_t memoLastLine = 1;  // M: M + 1 lines, of which at most two are written
    std::string memoLine = "3,255";
    int32_t drawingRange = 7;
    uint8_t imageCount = 1;  // K: K + 1 entries are written
    std::string imagePath = "C:\\img\\a.bmp";
};

struct Fixture {
    std::string bytes;
    // Offset at which each stage's data begins; the last entry is the end of the file.
    std::array<size_t, 6> stageStart{};
};

class FixtureWriter {
public:
    explicit FixtureWriter(uint16_t version) : version_(version) {}

    // Up to version 299 with terminator; from 300 on bare bytes, and an empty text as n = 1 plus
    // one zero byte.
    void String(const std::string& text)
    {
        out.PutI32(static_cast<int32_t>(text.size() + 1));
        out.PutBytes(text);
        if (version_ < 300 || text.empty()) out.PutU8(0);
    }

    ByteWriter out;

private:
    uint16_t version_;
};

// Each section written exactly when the version has it.
Fixture BuildFixture(const FixtureOptions& o);

}  // namespace vantro::testing
