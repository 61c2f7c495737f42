#include "support/DrawingFileFixture.h"

#include "document/CadData.h"

#include <algorithm>

namespace vantro::testing {

namespace {

void WriteFixtureElement(FixtureWriter& w, const FixtureOptions& o, int8_t kind, double r, const std::string& text)
{
    w.out.PutI8(kind);
    w.out.PutU8(9);  // first width copy, not the one taken
    w.out.PutU8(o.elementLayer);
    w.out.PutU32(0x00112233);
    w.out.PutU8(o.styleCode);
    w.out.PutU8(2);  // width
    for (double value : {10.0, 20.0, r, o.x1, 2.5, 3.5, 4.5, 45.0, 0.0}) w.out.PutF64(value);
    w.out.PutI32(kind == kKindText ? 0 : o.lineGroup);
    if (CarriesText(kind)) w.String(text);
}

void WriteFixtureLayersAndStyle(FixtureWriter& w, const FixtureOptions& o)
{
    w.out.PutU32(0x00FFEEDD);
    const int layers = o.version >= 270 ? 96 : 16;
    for (int layer = 1; layer <= layers; ++layer) {
        w.out.PutU8(layer % 2 == 0 ? 0 : 1);
        w.out.PutU8(layer % 3 == 0 ? 1 : 0);
        w.String(layer == 2 || layer == layers ? o.layerName : std::string());
    }
    w.out.PutU8(o.activeLayer);
    for (float value : {3.0f, 1.5f, 0.75f, 9.0f, 7.0f}) w.out.PutF32(value);
    w.out.PutU8(o.precision);
    w.out.PutI32(0x00445566);
    w.String(o.fontName);
    w.String(o.fontName + "2");
}

}  // namespace

Fixture BuildFixture(const FixtureOptions& o)
{
    FixtureWriter w(o.version);
    Fixture f;
    w.out.PutU16(o.version);
    w.out.PutI32(o.count);
    f.stageStart[1] = w.out.Size();
    WriteFixtureElement(w, o, kKindLine, 7.0, {});
    WriteFixtureElement(w, o, kKindText, 0.0, o.elementText);
    f.stageStart[2] = w.out.Size();
    WriteFixtureLayersAndStyle(w, o);
    f.stageStart[3] = w.out.Size();
    if (o.version >= 204) {
        w.out.PutI32(o.memoLastLine);
        const int64_t lines = std::clamp<int64_t>(int64_t{o.memoLastLine} + 1, 0, 2);
        for (int64_t k = 0; k < lines; ++k) w.String(k == 0 ? o.memoLine : "4,65280");
        w.out.PutU8(1);
    }
    if (o.version >= 205) w.out.PutI32(o.drawingRange);
    f.stageStart[4] = w.out.Size();
    if (o.version >= 232 && o.version <= 299) {
        w.out.PutU8(o.imageCount);
        for (int slot = 0; slot <= o.imageCount; ++slot) {
            w.String(slot == 0 ? std::string() : o.imagePath);
            w.out.PutF64(10.0 * slot);
            w.out.PutF64(-5.0 * slot);
        }
    }
    f.stageStart[5] = w.out.Size();
    f.bytes = w.out.Take();
    return f;
}

}  // namespace vantro::testing
