#include "files/DrawingFile.h"

#include "document/Groups.h"
#include "document/Layers.h"
#include "document/UndoHistory.h"
#include "files/BinaryIo.h"
#include "support/DrawingFileFixture.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <functional>
#include <limits>
#include <unistd.h>

namespace vantro {
namespace {

namespace fs = std::filesystem;
using testing::BuildFixture;
using testing::Fixture;
using testing::FixtureOptions;
using testing::kMinchoFont;
using testing::kSunpou;
using testing::kZumen;
using testing::PutElement;

const std::string kHyou = "\x95\x5c";                        // 表, whose trail byte is '\'

// ---------------------------------------------------------------------------------------------
// Drawings built through the model.

TCadData Element(int8_t kind, uint8_t style, uint8_t layer, int32_t group, double seed)
{
    TCadData e{};
    e.Kind = kind;
    e.LineStyle = style;
    e.Width = static_cast<uint8_t>(1 + static_cast<int>(seed) % 3);
    e.Layer = layer;
    e.Group = group;
    e.Color = 0x00010203u * static_cast<uint32_t>(seed);
    e.Cx = seed + 0.1;
    e.Cy = -seed - 0.2;
    e.R = seed / 3;
    e.Angle = seed * 7;
    e.Value = -seed / 7;
    e.X1 = seed * 1e6;
    e.Y1 = -seed * 1e-6;
    e.X2 = seed + 1.0 / 3;
    e.Y2 = std::numeric_limits<double>::max() / seed;
    return e;
}

// Every kind, every style, the layer extremes, groups up to 7, texts in CP932 and selections
// and ids the file does not keep.
Drawing RichDrawing()
{
    Drawing drawing;
    const std::vector<int8_t> kinds = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                       14, 15, 16, 17, 20, 29, 30, 30, -2, -3, -4, -5};
    const std::array<uint8_t, 3> layers = {1, 17, 96};
    for (size_t k = 0; k < kinds.size(); ++k) {
        const auto style = static_cast<uint8_t>(k % 5);
        TCadData e = Element(kinds[k], style, layers[k % 3], static_cast<int32_t>(k % 8), k + 1.0);
        if (CarriesText(e.Kind)) e.Text = k % 2 == 0 ? kSunpou + "R5" : "=" + kZumen;
        if (e.Kind == kKindCurveThroughPoints) e.Text = "0,0,10.5,20,30,-4,";
        e.Selected = k % 2;
        PutElement(drawing, e);
        drawing[drawing.Count].Id = 1000 + drawing.Count;
    }
    TCadData text = Element(kKindText, 0, 5, 0, 2);
    text.R = 0.2;  // below the smallest text height
    text.Text = std::string(2550, 'a');
    PutElement(drawing, text);
    drawing.Layers.Name[16] = kZumen;
    drawing.Layers.Name[95] = "last";
    drawing.Layers.Visible[40] = 0;
    drawing.Layers.Locked[41] = 1;
    drawing.Layers.ActiveLayer = 37;
    drawing.MemoBrush = {"3,255", "7,65280"};
    return drawing;
}

DrawingFileSettings RichSettings()
{
    DrawingFileSettings s;
    s.BackgroundColor = 0x00ABCDEF;
    s.ArrowLength = 2.5f;
    s.ArrowHeight = 1.25f;
    s.ArrowOffset = 0.5f;
    s.TextHeight = 3.5f;
    s.Precision = 4;
    s.DimensionTextColor = 0x00123456;
    s.DimTextName = kMinchoFont;
    s.TextName = "IPAGothic";
    s.FillDisplay = true;
    s.DrawingRange = 9;
    s.Images = {{"C:\\bg\\back.bmp", 0, 0}, {"/home/u/" + kSunpou + ".bmp", 10.5, -20.25}, {"", 0, 0}};
    return s;
}

// What a read gives back for an element: no selection, the index as id, and a text height of at
// least 0.5.
TCadData AsRead(TCadData e, int index)
{
    e.Selected = 0;
    e.Id = index;
    if (e.Kind == kKindText) e.R = std::max(e.R, kMinTextHeight);
    return e;
}

LayerNames NamesOnFailure()
{
    LayerNames names{};
    names[0] = "Base";
    names[5] = "Six";
    return names;
}

ReadResult Read(std::string_view bytes, Drawing& drawing, DrawingFileSettings& settings)
{
    const LayerNames names = NamesOnFailure();
    return ReadDrawingBytes(bytes, drawing, settings, &names);
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<int> serial{0};
        path_ = fs::temp_directory_path() /
                ("vantro-drawing-file-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        fs::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code error;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& Path() const { return path_; }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Hex(std::string_view bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!out.empty()) out += ' ';
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

// ---------------------------------------------------------------------------------------------

TEST(DrawingFileRoundTrip, GivesBackEveryElementAsTheFileKeepsIt)
{
    const Drawing original = RichDrawing();
    Drawing read;
    read.Saved = false;
    PutElement(read, testing::Line(0, 0, 5, 5));
    RecordUndo(read, BeginUndoStep(read), kActionAdded, 1);
    DrawingFileSettings settings;

    const ReadResult result = Read(EncodeDrawingFile(original, RichSettings()), read, settings);

    ASSERT_TRUE(result.Ok) << result.Message;
    ASSERT_EQ(read.Count, original.Count);
    for (int i = 1; i <= original.Count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read[i], AsRead(original[i], i));
        EXPECT_EQ(read.IndexOfId[static_cast<size_t>(i)], i);
    }
    EXPECT_EQ(read.LastId, static_cast<uint32_t>(original.Count));
    EXPECT_GE(read.IndexOfId.size(), static_cast<size_t>(original.Count) + 100);
    EXPECT_EQ(read.MaxGroup, 7);
    EXPECT_EQ(read.MemoBrush, original.MemoBrush);
    EXPECT_EQ(read.Layers.Visible, original.Layers.Visible);
    EXPECT_EQ(read.Layers.Locked, original.Layers.Locked);
    EXPECT_EQ(read.Layers.Name, original.Layers.Name);
    EXPECT_EQ(read.Layers.ActiveLayer, 37);
    EXPECT_TRUE(read.Saved);
    EXPECT_FALSE(CanUndo(read));
    EXPECT_EQ(read.History.UndoStep, 0);
}

TEST(DrawingFileRoundTrip, GivesBackTheSettingsAndEveryImageEntry)
{
    Drawing read;
    DrawingFileSettings settings;
    ASSERT_TRUE(Read(EncodeDrawingFile(RichDrawing(), RichSettings()), read, settings).Ok);
    EXPECT_EQ(settings, RichSettings());
}

TEST(DrawingFileRoundTrip, ASecondWriteOfWhatWasReadIsTheSameFile)
{
    Drawing first;
    Drawing second;
    DrawingFileSettings settings;
    ASSERT_TRUE(Read(EncodeDrawingFile(RichDrawing(), RichSettings()), first, settings).Ok);
    const std::string once = EncodeDrawingFile(first, settings);
    ASSERT_TRUE(Read(once, second, settings).Ok);
    EXPECT_EQ(EncodeDrawingFile(second, settings), once);
}

TEST(DrawingFileRoundTrip, TextsBeyondTheFieldAreCutWithoutSplittingACharacter)
{
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::string twoByte = "\x82\xa0";  // あ
    const std::vector<Case> cases = {
        {std::string(2550, 'x'), std::string(2550, 'x')},
        {std::string(3000, 'x'), std::string(2550, 'x')},
        {std::string(2549, 'x') + twoByte, std::string(2549, 'x')},
        {std::string(2548, 'x') + twoByte + "yy", std::string(2548, 'x') + twoByte},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.size());
        Drawing drawing;
        TCadData text = Element(kKindText, 0, 1, 0, 1);
        text.Text = c.text;
        PutElement(drawing, text);
        drawing.MemoBrush = {c.text};
        Drawing read;
        DrawingFileSettings settings;
        ASSERT_TRUE(Read(EncodeDrawingFile(drawing, DrawingFileSettings{}), read, settings).Ok);
        EXPECT_EQ(read[1].Text, c.expected);
        EXPECT_EQ(read.MemoBrush.at(0), c.expected);
    }
}

TEST(DrawingFileWriter, LaysOutTheElementEntryFieldByField)
{
    Drawing drawing;
    TCadData e{};
    e.Kind = kKindLine;
    e.Width = 2;
    e.Layer = 3;
    e.Color = 0x00332211;
    e.LineStyle = kStyleDash;
    e.Cx = 1;
    e.Cy = 2;
    e.R = 3;
    e.X1 = 4;
    e.Y1 = 5;
    e.X2 = 6;
    e.Y2 = 7;
    e.Angle = 8;
    e.Value = -2;
    e.Group = 0x01020304;
    PutElement(drawing, e);
    const std::string bytes = EncodeDrawingFile(drawing, DrawingFileSettings{});

    EXPECT_EQ(Hex(std::string_view(bytes).substr(0, 2 + 4 + 9 + 9 * 8 + 4)),
              "0E 01 01 00 00 00 "                              // version 270, one element
              "01 02 03 11 22 33 00 02 02 "                     // kind, width, layer, colour, dash, width
              "00 00 00 00 00 00 F0 3F 00 00 00 00 00 00 00 40 "  // Cx 1, Cy 2
              "00 00 00 00 00 00 08 40 00 00 00 00 00 00 10 40 "  // R 3, X1 4
              "00 00 00 00 00 00 14 40 00 00 00 00 00 00 18 40 "  // Y1 5, X2 6
              "00 00 00 00 00 00 1C 40 00 00 00 00 00 00 20 40 "  // Y2 7, Angle 8
              "00 00 00 00 00 00 00 C0 04 03 02 01");             // Value -2, group
}

TEST(DrawingFileWriter, WritesTheLineStyleCodes)
{
    Drawing drawing;
    for (uint8_t style = 0; style <= 4; ++style) PutElement(drawing, Element(kKindLine, style, 1, 0, 1));
    const std::string bytes = EncodeDrawingFile(drawing, DrawingFileSettings{});
    std::string codes;
    for (int k = 0; k < 5; ++k) codes += bytes[static_cast<size_t>(6 + 85 * k + 7)];
    EXPECT_EQ(Hex(codes), "01 02 03 04 05");
}

// Dash-dot-dot was written as 4, the code of dash-dot, and came back as dash-dot after every save.
TEST(DrawingFileVersions, ReadsEveryLineStyleCodeAndAnyOtherAsDashDot)
{
    const std::pair<uint8_t, uint8_t> cases[] = {
        {1, kStyleSolid},   {2, kStyleDash},    {3, kStyleDot},     {4, kStyleDashDot},
        {5, kStyleDashDotDot}, {0, kStyleDashDot}, {6, kStyleDashDot}, {255, kStyleDashDot},
    };
    for (const auto& [code, style] : cases) {
        SCOPED_TRACE(static_cast<int>(code));
        FixtureOptions options;
        options.styleCode = code;
        Drawing drawing;
        DrawingFileSettings settings;
        ASSERT_TRUE(Read(BuildFixture(options).bytes, drawing, settings).Ok);
        EXPECT_EQ(drawing[1].LineStyle, style);
    }
}

TEST(DrawingFileWriter, WritesAnEmptyMemoAsMinusOneAndAlwaysABackgroundSlot)
{
    Drawing drawing;
    drawing.Layers.ActiveLayer = 0;
    const std::string bytes = EncodeDrawingFile(drawing, DrawingFileSettings{});
    // 96 layers with only layer 1 named "Default"; then the active layer, written as 1.
    const size_t active = 2 + 4 + 4 + (2 + 4 + 8) + 95 * (2 + 4 + 1);
    ASSERT_EQ(bytes.size(), active + 1 + 4 * 5 + 1 + 4 + 5 + 5 + 4 + 1 + 4 + 1 + 21);
    EXPECT_EQ(bytes[active], 1);
    EXPECT_EQ(Hex(std::string_view(bytes).substr(bytes.size() - 31)),
              "FF FF FF FF 00 03 00 00 00 "  // memo count - 1, fill display off, drawing range 3
              "00 01 00 00 00 00 "           // no inserted image, empty background path
              "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(DrawingFileWriter, TheSecondaryWindowWritesTheMainWindowsLockFlagsAndNames)
{
    Drawing secondary;
    secondary.Layers.Visible[4] = 0;
    secondary.Layers.Name[4] = "own";
    LayerTable mainTable = secondary.Layers;
    mainTable.Visible[4] = 1;
    mainTable.Locked[4] = 1;
    mainTable.Name[4] = "main";
    Drawing read;
    DrawingFileSettings settings;
    ASSERT_TRUE(Read(EncodeDrawingFile(secondary, DrawingFileSettings{}, &mainTable), read, settings).Ok);
    EXPECT_EQ(read.Layers.Visible[4], 0);
    EXPECT_EQ(read.Layers.Locked[4], 1);
    EXPECT_EQ(read.Layers.Name[4], "main");
}

// ---------------------------------------------------------------------------------------------

TEST(DrawingFileVersions, EachVersionHasItsSections)
{
    struct Case {
        uint16_t version;
        bool fill;
        bool range;
        bool images;
        bool allLayers;
    };
    const std::vector<Case> cases = {
        {200, false, false, false, false}, {203, false, false, false, false}, {204, true, false, false, false},
        {205, true, true, false, false},   {231, true, true, false, false},   {232, true, true, true, false},
        {269, true, true, true, false},    {270, true, true, true, true},     {299, true, true, true, true},
        {300, true, true, false, true},    {301, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        FixtureOptions options;
        options.version = c.version;
        Drawing drawing;
        DrawingFileSettings settings;
        const ReadResult result = Read(BuildFixture(options).bytes, drawing, settings);
        ASSERT_TRUE(result.Ok) << result.Message;
        EXPECT_EQ(settings.Version, c.version);
        ASSERT_EQ(drawing.Count, 2);
        EXPECT_EQ(drawing[2].Text, kSunpou);
        EXPECT_EQ(settings.TextName, kMinchoFont + "2");
        const std::vector<std::string> memo = {"3,255", "4,65280"};
        EXPECT_EQ(drawing.MemoBrush, c.fill ? memo : std::vector<std::string>());
        EXPECT_EQ(settings.FillDisplay, c.fill ? std::optional<bool>(true) : std::nullopt);
        EXPECT_EQ(settings.DrawingRange, c.range ? std::optional<int32_t>(7) : std::nullopt);
        EXPECT_EQ(settings.Images.size(), c.images ? 2u : 0u);
        EXPECT_EQ(drawing.Layers.Name[15], c.allLayers ? "" : kZumen);
        EXPECT_EQ(drawing.Layers.Name[95], c.allLayers ? kZumen : "");
    }
}

TEST(DrawingFileVersions, ReadsTheFieldsOfAnOldFile)
{
    Drawing drawing;
    DrawingFileSettings settings;
    ASSERT_TRUE(Read(BuildFixture({}).bytes, drawing, settings).Ok);
    const TCadData& line = drawing[1];
    EXPECT_EQ(line.Kind, kKindLine);
    EXPECT_EQ(line.Width, 2);  // the second copy
    EXPECT_EQ(line.Layer, 3);
    EXPECT_EQ(line.Color, 0x00112233u);
    EXPECT_EQ(line.LineStyle, kStyleDash);
    EXPECT_EQ(line.Cx, 10);
    EXPECT_EQ(line.Cy, 20);
    EXPECT_EQ(line.R, 7);
    EXPECT_EQ(line.X1, 1.5);
    EXPECT_EQ(line.Y1, 2.5);
    EXPECT_EQ(line.X2, 3.5);
    EXPECT_EQ(line.Y2, 4.5);
    EXPECT_EQ(line.Angle, 45);
    EXPECT_EQ(line.Group, 6);
    EXPECT_EQ(drawing.MaxGroup, 6);
    EXPECT_EQ(drawing[2].R, 0.5);  // a text of height 0
    EXPECT_EQ(drawing.Layers.ActiveLayer, 37);
    EXPECT_EQ(settings.BackgroundColor, 0x00FFEEDDu);
    EXPECT_EQ(settings.ArrowLength, 3.0f);
    EXPECT_EQ(settings.ArrowHeight, 1.5f);
    EXPECT_EQ(settings.ArrowOffset, 0.75f);
    EXPECT_EQ(settings.TextHeight, 7.0f);  // the second copy
    EXPECT_EQ(settings.Precision, 2);
    EXPECT_EQ(settings.DimensionTextColor, 0x00445566);
    EXPECT_EQ(settings.DimTextName, kMinchoFont);
    const std::vector<ImageEntry> images = {{"", 0, 0}, {"C:\\img\\a.bmp", 10, -5}};
    EXPECT_EQ(settings.Images, images);
}

TEST(DrawingFileVersions, AFileOfVersion269KeepsTheResetStateOfLayers17To96)
{
    FixtureOptions options;
    options.version = 269;
    options.activeLayer = 5;
    Drawing drawing;
    drawing.Layers.Visible.fill(0);
    drawing.Layers.Locked.fill(1);
    drawing.Layers.Name.fill("stale");
    DrawingFileSettings settings;
    ASSERT_TRUE(Read(BuildFixture(options).bytes, drawing, settings).Ok);
    for (size_t slot = 0; slot < 16; ++slot) {
        EXPECT_EQ(drawing.Layers.Visible[slot], slot % 2 == 0 ? 1 : 0);
        EXPECT_EQ(drawing.Layers.Locked[slot], (slot + 1) % 3 == 0 ? 1 : 0);
    }
    EXPECT_EQ(drawing.Layers.Name[1], kZumen);
    EXPECT_EQ(drawing.Layers.Name[0], "");
    for (size_t slot = 16; slot < 96; ++slot) {
        EXPECT_EQ(drawing.Layers.Visible[slot], 1);
        EXPECT_EQ(drawing.Layers.Locked[slot], 0);
        EXPECT_EQ(drawing.Layers.Name[slot], "");
    }
}

TEST(DrawingFileVersions, Version300StringsAreBareBytesOrOneZeroByte)
{
    FixtureOptions options;
    options.version = 300;
    const std::string bytes = BuildFixture(options).bytes;
    // The text element's string: length field 5 and four bytes, no terminator.
    const size_t text = 6 + 85 + 85;
    ASSERT_EQ(Hex(std::string_view(bytes).substr(text, 8)), "05 00 00 00 90 A1 96 40");
    // Layer 1's empty name: length field 1 and one zero byte.
    const size_t firstName = text + 8 + 4 + 2;
    ASSERT_EQ(Hex(std::string_view(bytes).substr(firstName, 5)), "01 00 00 00 00");
    Drawing drawing;
    DrawingFileSettings settings;
    ASSERT_TRUE(Read(bytes, drawing, settings).Ok);
    EXPECT_EQ(drawing[2].Text, kSunpou);
    EXPECT_EQ(drawing.Layers.Name[0], "");
    EXPECT_EQ(drawing.Layers.Name[1], kZumen);
    EXPECT_TRUE(settings.Images.empty());
}

// New work went onto an active layer that the file had hidden or locked, where it could be neither
// seen nor picked.
TEST(DrawingFileVersions, TheActiveLayerIsShownAndFreeWhateverTheFileSays)
{
    struct Case {
        uint8_t active;  // layers hidden when even, locked when a multiple of 3 in the fixture
        int expectedActive;
    };
    const Case cases[] = {{6, 6}, {2, 2}, {9, 9}, {96, 96}, {1, 1}, {0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.active));
        FixtureOptions options;
        options.activeLayer = c.active;
        Drawing drawing;
        DrawingFileSettings settings;
        ASSERT_TRUE(Read(BuildFixture(options).bytes, drawing, settings).Ok);
        EXPECT_EQ(drawing.Layers.ActiveLayer, c.expectedActive);
        EXPECT_TRUE(IsLayerVisible(drawing.Layers, c.expectedActive));
        EXPECT_FALSE(IsLayerLocked(drawing.Layers, c.expectedActive));
        const int other = c.expectedActive == 12 ? 24 : 12;  // hidden and locked in the file
        EXPECT_FALSE(IsLayerVisible(drawing.Layers, other));
        EXPECT_TRUE(IsLayerLocked(drawing.Layers, other));
    }
}

// A layer table that breaks off keeps what was read; layer 1, active after the reset, was left
// hidden and locked as its entry said.
TEST(DrawingFileVersions, TheActiveLayerIsShownAndFreeWhenTheLayerTableBreaksOff)
{
    Fixture fixture = BuildFixture(FixtureOptions{});
    const size_t layer1 = fixture.stageStart[2] + 4;  // after the background colour
    fixture.bytes[layer1] = 0;                        // hidden
    fixture.bytes[layer1 + 1] = 1;                    // locked
    fixture.bytes.resize(layer1 + 7 + 3);             // inside layer 2's entry
    Drawing drawing;
    DrawingFileSettings settings;
    ASSERT_FALSE(Read(fixture.bytes, drawing, settings).Ok);
    EXPECT_EQ(drawing.Count, 2) << "the elements read stay";
    EXPECT_EQ(drawing.Layers.ActiveLayer, 1);
    EXPECT_TRUE(IsLayerVisible(drawing.Layers, 1));
    EXPECT_FALSE(IsLayerLocked(drawing.Layers, 1));
}

// A group number at the top of the range made the next new group overflow.
TEST(DrawingFileVersions, GroupNumbersBeyondTheLimitAreRenumberedOnReading)
{
    FixtureOptions options;
    options.lineGroup = std::numeric_limits<int32_t>::max();
    options.memoLine = "2147483647,255";
    Drawing drawing;
    DrawingFileSettings settings;
    ASSERT_TRUE(Read(BuildFixture(options).bytes, drawing, settings).Ok);
    // The fill memo's second line names group 4, below the line's group.
    EXPECT_EQ(drawing[1].Group, 2);
    EXPECT_EQ(drawing.MemoBrush, (std::vector<std::string>{"2,255", "1,65280"}));
    EXPECT_EQ(drawing.MaxGroup, 2);
    EXPECT_EQ(NewGroupNumber(drawing), 3);
}

TEST(DrawingFileVersions, AnActiveLayerOutsideTheTableMakesLayerOneActive)
{
    for (uint8_t active : {uint8_t{0}, uint8_t{97}, uint8_t{255}}) {
        SCOPED_TRACE(active);
        FixtureOptions options;
        options.activeLayer = active;
        Drawing drawing;
        DrawingFileSettings settings;
        ASSERT_TRUE(Read(BuildFixture(options).bytes, drawing, settings).Ok);
        EXPECT_EQ(drawing.Layers.ActiveLayer, 1);
    }
}

// ---------------------------------------------------------------------------------------------

int ExpectedStage(const Fixture& f, size_t length)
{
    int stage = 0;
    while (stage < 5 && length >= f.stageStart[static_cast<size_t>(stage + 1)]) ++stage;
    return stage;  // 5: complete
}

TEST(DrawingFileErrors, EveryTruncationFailsWithTheMessageOfItsStage)
{
    for (uint16_t version : {203, 204, 270, 300}) {
        FixtureOptions options;
        options.version = version;
        const Fixture f = BuildFixture(options);
        for (size_t length = 0; length <= f.bytes.size(); ++length) {
            SCOPED_TRACE(std::to_string(version) + " truncated to " + std::to_string(length));
            Drawing drawing;
            DrawingFileSettings settings;
            settings.TextName = "current";
            settings.FillDisplay = false;
            const ReadResult result = Read(std::string_view(f.bytes).substr(0, length), drawing, settings);
            const int stage = ExpectedStage(f, length);
            // Fields the read did not reach keep the caller's values; section flags start absent.
            EXPECT_EQ(settings.TextName, stage <= 2 ? "current" : kMinchoFont + "2");
            EXPECT_TRUE(stage >= 3 || !settings.FillDisplay.has_value());
            if (stage == 5) {
                EXPECT_TRUE(result.Ok);
                continue;
            }
            ASSERT_FALSE(result.Ok);
            EXPECT_EQ(result.Stage, stage);
            EXPECT_EQ(result.Message, kReadStageMessages[static_cast<size_t>(stage)]);
            // Without the elements the drawing is a new one; later failures keep what was read.
            EXPECT_EQ(drawing.Count, stage <= 1 ? 0 : 2);
            EXPECT_EQ(drawing.Layers.Name[5], stage <= 1 ? "Six" : "");
        }
    }
}

TEST(DrawingFileErrors, EveryTruncationOfAWrittenFileFailsWithoutHarm)
{
    const std::string bytes = EncodeDrawingFile(RichDrawing(), RichSettings());
    int lastStage = 0;
    for (size_t length = 0; length < bytes.size(); ++length) {
        Drawing drawing;
        DrawingFileSettings settings;
        const ReadResult result = Read(std::string_view(bytes).substr(0, length), drawing, settings);
        ASSERT_FALSE(result.Ok) << length;
        ASSERT_GE(result.Stage, lastStage) << length;
        lastStage = result.Stage;
    }
    EXPECT_EQ(lastStage, 4);
}

TEST(DrawingFileErrors, ValuesOutsideTheFormatFailTheirStage)
{
    const std::string tooLong(2551, 'a');  // length field 2552
    const std::string longest(2550, 'a');  // length field 2551
    struct Case {
        const char* name;
        std::function<void(FixtureOptions&)> change;
        int stage;  // -1: reads
    };
    const std::vector<Case> cases = {
        {"negative count", [](FixtureOptions& o) { o.count = -1; }, 0},
        {"huge count", [](FixtureOptions& o) { o.count = std::numeric_limits<int32_t>::max(); }, 1},
        {"long element text", [&](FixtureOptions& o) { o.elementText = tooLong; }, 1},
        {"longest element text", [&](FixtureOptions& o) { o.elementText = longest; }, -1},
        {"long layer name", [&](FixtureOptions& o) { o.layerName = tooLong; }, 2},
        {"long font name", [&](FixtureOptions& o) { o.fontName = tooLong; }, 2},
        {"precision 7", [](FixtureOptions& o) { o.precision = 7; }, 2},
        {"precision 6", [](FixtureOptions& o) { o.precision = 6; }, -1},
        {"long memo line", [&](FixtureOptions& o) { o.memoLine = tooLong; }, 3},
        {"huge memo", [](FixtureOptions& o) { o.memoLastLine = std::numeric_limits<int32_t>::max(); }, 3},
        {"negative memo", [](FixtureOptions& o) { o.memoLastLine = std::numeric_limits<int32_t>::min(); }, -1},
        {"drawing range 12", [](FixtureOptions& o) { o.drawingRange = 12; }, 3},
        {"drawing range -2", [](FixtureOptions& o) { o.drawingRange = -2; }, 3},
        {"drawing range -1", [](FixtureOptions& o) { o.drawingRange = -1; }, -1},
        {"long image path", [&](FixtureOptions& o) { o.imagePath = tooLong; }, 4},
        {"eleven images", [](FixtureOptions& o) { o.imageCount = 11; }, 4},
        {"ten images", [](FixtureOptions& o) { o.imageCount = 10; }, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FixtureOptions options;
        c.change(options);
        Drawing drawing;
        DrawingFileSettings settings;
        const ReadResult result = Read(BuildFixture(options).bytes, drawing, settings);
        EXPECT_EQ(result.Ok, c.stage < 0);
        EXPECT_EQ(result.Stage, c.stage < 0 ? 4 : c.stage);
        // Nothing is sized by a count the file cannot hold.
        EXPECT_LE(drawing.Elements.size(), 102u);
    }
}

TEST(DrawingFileErrors, AnElementTheDrawingCannotHoldIsSkippedAndTheRestOpened)
{
    // One element with a number that is not finite, or on a layer outside the table, once made
    // the whole file unopenable.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* Name;
        std::vector<size_t> Spoilt;  // positions among the five elements
        std::function<void(TCadData&)> Spoil;
    } cases[] = {
        {"not a number", {2}, [&](TCadData& e) { e.X1 = nan; }},
        {"infinite height of a text", {1}, [&](TCadData& e) { e.R = infinity; }},
        {"infinite value", {4}, [&](TCadData& e) { e.Value = -infinity; }},
        {"layer 0", {0}, [](TCadData& e) { e.Layer = 0; }},
        {"layer 97", {3}, [](TCadData& e) { e.Layer = 97; }},
        {"two of them", {1, 3}, [](TCadData& e) { e.Layer = 200; }},
        {"all of them", {0, 1, 2, 3, 4}, [&](TCadData& e) { e.Cy = nan; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing written;
        std::vector<TCadData> kept;
        for (size_t k = 0; k < 5; ++k) {
            TCadData e = Element(k == 1 ? kKindText : kKindLine, 0, 3, 0, k + 1.0);
            if (e.Kind == kKindText) e.Text = kSunpou;
            const bool spoilt = std::find(c.Spoilt.begin(), c.Spoilt.end(), k) != c.Spoilt.end();
            if (spoilt) c.Spoil(e);
            else kept.push_back(AsRead(e, static_cast<int>(kept.size()) + 1));
            PutElement(written, e);
        }
        Drawing drawing;
        DrawingFileSettings settings;
        const ReadResult result = Read(EncodeDrawingFile(written, RichSettings()), drawing, settings);
        EXPECT_TRUE(result.Ok) << result.Message;
        EXPECT_EQ(result.SkippedElements, static_cast<int>(c.Spoilt.size()));
        ASSERT_EQ(drawing.Count, static_cast<int>(kept.size()));
        EXPECT_EQ(drawing.LastId, kept.size());
        for (size_t k = 0; k < kept.size(); ++k) EXPECT_EQ(drawing[static_cast<int>(k) + 1], kept[k]) << k;
        EXPECT_EQ(settings.ArrowLength, RichSettings().ArrowLength) << "the sections after the elements are read";
    }
    EXPECT_EQ(SkippedElementsMessage(2),
              "不正な数値またはレイヤーを持つ図形 2 個を読み込みませんでした。上書き保存すると、それらはファイルから失われます。");
}

TEST(DrawingFileErrors, AFileThatCannotBeOpenedResetsTheDrawing)
{
    TempFolder folder;
    for (const fs::path& path : {folder.Path() / "missing.dca", folder.Path()}) {
        SCOPED_TRACE(path.string());
        Drawing drawing = RichDrawing();
        DrawingFileSettings settings;
        const LayerNames names = NamesOnFailure();
        const ReadResult result = ReadDrawingFile(path, drawing, settings, &names);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Stage, 0);
        EXPECT_EQ(result.Message, "ファイルは開けませんでした。");
        EXPECT_EQ(drawing.Count, 0);
        EXPECT_EQ(drawing.Layers.Name, names);
    }
}

// ---------------------------------------------------------------------------------------------

TEST(DrawingFileImages, AMovedImageIsFoundInTheDrawingsFolder)
{
    TempFolder folder;
    TempFolder elsewhere;
    WriteText(folder.Path() / "a.bmp", "BM");
    WriteText(folder.Path() / "\xe8\xa1\xa8.bmp", "BM");  // 表.bmp, UTF-8 on disk
    WriteText(elsewhere.Path() / "a.bmp", "BM");
    const std::string here = folder.Path().string() + "/";
    const std::string there = (elsewhere.Path() / "a.bmp").string();
    struct Case {
        std::string stored;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"C:\\old\\a.bmp", here + "a.bmp"},
        {"/gone/a.bmp", here + "a.bmp"},
        {"C:\\old\\" + kHyou + ".bmp", here + kHyou + ".bmp"},
        {there, there},
        {"", ""},
        {"C:\\old\\missing.bmp", "C:\\old\\missing.bmp"},
    };
    std::vector<ImageEntry> images;
    for (const Case& c : cases) images.push_back({c.stored, 1, 2});
    LocateImages(images, folder.Path());
    for (size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].stored);
        EXPECT_EQ(images[k].Path, cases[k].expected);
        EXPECT_EQ(images[k].X, 1);
    }
}

TEST(DrawingFileImages, ReadingAFileLooksForItsImagesBesideIt)
{
    TempFolder folder;
    WriteText(folder.Path() / "back.bmp", "BM");
    const fs::path path = folder.Path() / "d.dca";
    ASSERT_TRUE(WriteDrawingFile(path, RichDrawing(), RichSettings()).Ok);
    Drawing drawing;
    DrawingFileSettings settings;
    ASSERT_TRUE(ReadDrawingFile(path, drawing, settings).Ok);
    ASSERT_EQ(settings.Images.size(), 3u);
    EXPECT_EQ(settings.Images[0].Path, (folder.Path() / "back.bmp").string());
    EXPECT_EQ(settings.Images[1], RichSettings().Images[1]);  // found nowhere: kept as stored
}

// ---------------------------------------------------------------------------------------------

TEST(DrawingFileSaving, ReplacesTheFileAndKeepsItsPermissions)
{
    TempFolder folder;
    const fs::path path = folder.Path() / "d.dca";
    WriteText(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const WriteResult result = WriteDrawingFile(path, RichDrawing(), RichSettings());
    ASSERT_TRUE(result.Ok) << result.Message;
    EXPECT_EQ(ReadText(path), EncodeDrawingFile(RichDrawing(), RichSettings()));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"d.dca"});
}

TEST(DrawingFileSaving, ARefusedOrFailedWriteLeavesTheOldFileAndNoTemporary)
{
    TempFolder folder;
    const fs::path file = folder.Path() / "d.dca";
    const fs::path directory = folder.Path() / "sub.dca";
    WriteText(file, "old");
    fs::create_directory(directory);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    const WriteResult readOnly = WriteDrawingFile(file, RichDrawing(), RichSettings());
    EXPECT_FALSE(readOnly.Ok);
    EXPECT_EQ(readOnly.Message, "指定されたファイルは読み取り専用です");
    EXPECT_EQ(ReadText(file), "old");

    for (const fs::path& path : {directory, folder.Path() / "no folder" / "d.dca"}) {
        SCOPED_TRACE(path.string());
        const WriteResult failed = WriteDrawingFile(path, RichDrawing(), RichSettings());
        EXPECT_FALSE(failed.Ok);
        EXPECT_EQ(failed.Message, "ファイルは保存できませんでした。");
    }
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_TRUE(fs::is_empty(directory));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"d.dca", "sub.dca"}));
}

TEST(DrawingFileSaving, AReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into read-only folders";
    }
    TempFolder folder;
    const fs::path path = folder.Path() / "d.dca";
    WriteText(path, "old");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const WriteResult result = WriteDrawingFile(path, RichDrawing(), RichSettings());
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Message, "ファイルは保存できませんでした。");
    EXPECT_EQ(ReadText(path), "old");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"d.dca"});
}

// A save used to cut over-long strings without a word, and the drawing was then called saved.
TEST(DrawingFileSaving, SaysHowManyStringsHadToBeCut)
{
    TempFolder folder;
    const fs::path path = folder.Path() / "d.dca";
    Drawing drawing = RichDrawing();
    EXPECT_EQ(WriteDrawingFile(path, drawing, RichSettings()).CutStrings, 0) << "2550 bytes fit";
    ASSERT_TRUE(CarriesText(drawing[6].Kind) && CarriesText(drawing[20].Kind));
    drawing[6].Text = std::string(2551, 'x');
    drawing[20].Text = std::string(3000, 'y');
    drawing.Layers.Name[3] = std::string(2600, 'n');
    const WriteResult result = WriteDrawingFile(path, drawing, RichSettings());
    ASSERT_TRUE(result.Ok) << result.Message;
    EXPECT_EQ(result.CutStrings, 3);
}

TEST(DrawingFileSettingsValues, StyleGoesBetweenTheSettingsAndTheFile)
{
    Settings settings;
    settings.ArrowLength = 4.5;
    settings.Textheight = 1e300;  // beyond a float: saturates
    settings.Precision = 9;
    settings.TextColor = 0x00FF0000;
    settings.TextName = kMinchoFont;
    DrawingFileSettings file;
    TakeStyleFromSettings(settings, file);
    EXPECT_EQ(file.ArrowLength, 4.5f);
    EXPECT_EQ(file.TextHeight, std::numeric_limits<float>::max());
    EXPECT_EQ(file.Precision, 6);
    EXPECT_EQ(file.DimensionTextColor, 0x00FF0000);
    EXPECT_EQ(file.TextName, kMinchoFont);
    Settings back;
    ApplyStyleToSettings(file, back);
    EXPECT_EQ(back.ArrowLength, 4.5);
    EXPECT_EQ(back.Precision, 6);
    EXPECT_EQ(back.TextColor, 0x00FF0000u);
    EXPECT_EQ(back.DimTextName, settings.DimTextName);
    EXPECT_EQ(back.Width2, Settings{}.Width2);  // the drawing range is not part of the style

    // A file's sizes outside the settings' ranges are brought inside, as the settings file's are.
    file.ArrowLength = -3;
    file.ArrowOffset = 1e30f;
    file.TextHeight = 0;
    ApplyStyleToSettings(file, back);
    EXPECT_EQ(back.ArrowLength, 0);
    EXPECT_EQ(back.ArrowOffset, 1000);
    EXPECT_EQ(back.Textheight, 0.1);
}

}  // namespace
}  // namespace vantro
