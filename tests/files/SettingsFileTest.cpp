#include "files/ScratchFolder.h"
#include "files/SettingsFile.h"
#include "files/SettingsKeys.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace vantro {
namespace {

using testing::ReadBytes;
using testing::ScopedEnvironment;
using testing::ScratchFolder;
using testing::WriteBytes;

const std::string kOutline = "\x8A\x4F\x8C\x60";                   // 外形
const std::string kShown = "\x95\x5C\x8E\xA6\x83\x5C";             // 表示ソ: both end in the byte of '\'
const std::string kHalfWidth = "\xB6\xDE\xB2\xB9\xB2";             // ｶﾞｲｹｲ
const std::string kMincho = "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9";  // ＭＳ 明朝

std::string NumberedLines(const std::string& prefix, int first, int last,
                          const std::function<std::string(int)>& value)
{
    std::string lines;
    for (int n = first; n <= last; ++n) lines += prefix + std::to_string(n) + "=" + value(n) + "\r\n";
    return lines;
}

std::string LayerName(int layer)
{
    const std::string japanese[] = {kOutline, kShown, kHalfWidth};
    return layer <= 3 ? japanese[layer - 1] : "L" + std::to_string(layer);
}

// Every key with a value other than its default, written as the writers write it.
std::string EveryKeyChanged()
{
    return "[File]\r\ncad=/home/user/\x90\x7D\x96\xCA\r\ndxf=/home/user/dxf\r\nSetSW=1\r\nWav=1\r\n" +
           NumberedLines("File", 7, 12, [](int n) { return "/home/user/" + std::to_string(n) + ".dca"; }) +
           "\r\n[Edit]\r\nFormColor=16777215\r\n"
           "\r\n[Paper]\r\nwidth2=5\r\nsenter=0\r\nWheel=7\r\n"
           "\r\n[Cad]\r\nRiteClick=1\r\nTrimdelete=0\r\nDaenChk=1\r\nPejeChk=1\r\nOfsetPatern=0\r\nOfsetErr1=0\r\n"
           "OfsetErr2=0\r\nSnapChk=1\r\nWClick=1\r\nPick=3\r\nPick2=9\r\nUndo=50\r\nTimer=5\r\nPejeValue=20\r\n"
           "Color3=65280\r\nEps=0\r\nArrowLength=2.5\r\nArrowHeight=1.25\r\nArrowOffset=0.5\r\nTextheight=3.5\r\n"
           "DimTextName=" + kMincho + "\r\nTextColor=255\r\nColor2=128\r\nPrecision=2\r\nDimRChk=0\r\nDim0Chk=0\r\n"
           "DimTextOfset=1\r\nTextName=IPAGothic\r\nIconFlat=0\r\nReyDlgClose=1\r\nGridPit=2.5\r\nGridCountX=40\r\n"
           "GridCountY=30\r\nPatern=2\r\nGridColor=8421504\r\nGridPit2=2\r\n" +
           NumberedLines("RyarName", 1, 96, LayerName) + "Color1=255\r\nDimPit=0\r\nArrowPatern=3\r\nDimCenter=0\r\n" +
           NumberedLines("Snap", 1, 9, [](int) { return "1"; }) + "TextDlgHeight=25\r\nTextDlgColor=3\r\nTextDlgFont=7\r\n" +
           "\r\n[Form]\r\nPosi=R\r\n"
           "\r\n[Printer]\r\nLineWidth=0\r\nColorNox=1\r\nColorChk=1\r\nOp1=0\r\nHoseiX=0.98\r\nHoseiY=1.02\r\n"
           "\r\n[Para]\r\nBunkatu=90\r\nHani=30\r\nLineWid=4\r\nMado=5\r\nCadMax=20000\r\nDimWid=2\r\nset600=1\r\n"
           "ClsChk=1\r\nOS=2000\r\n";
}

std::vector<SettingsKey> AllKeys()
{
    std::vector<SettingsKey> keys;
    Settings settings;
    auto collect = [&](const SettingsKey& key, auto&, auto) { keys.push_back(key); };
    ForEachSettingsKey(settings, collect);
    return keys;
}

void WriteAll(const Settings& settings, IniStore& store)
{
    WriteSettings(settings, store);
    WriteLayerNames(settings, store);
    WriteExitSettings(settings, store);
    WriteTextDialogSettings(settings, store);
}

Settings Read(std::string_view bytes)
{
    Settings settings;
    const SettingsReadResult result = ReadSettings(IniStore::Parse(bytes), settings);
    EXPECT_TRUE(result.Ok) << result.Key;
    return settings;
}

TEST(SettingsFileRead, EveryKeyIsReadAndWrittenBackUnchanged)
{
    const std::string file = EveryKeyChanged();
    const IniStore store = IniStore::Parse(file);
    const Settings settings = Read(file);
    EXPECT_EQ(settings.LayerNames[1], kShown);
    EXPECT_EQ(settings.Os, 2000);
    EXPECT_EQ(settings.GridPit, 2.5);

    IniStore written;
    WriteAll(settings, written);
    for (const SettingsKey& key : AllKeys()) {
        SCOPED_TRACE(key.Name);
        const std::string* original = store.Find(key.Section, key.Name);
        ASSERT_NE(original, nullptr) << "the test file lacks the key";
        ASSERT_NE(written.Find(key.Section, key.Name), nullptr);
        EXPECT_EQ(*written.Find(key.Section, key.Name), *original);
        // Without this key the values differ, so the key is read and its value is not the default.
        std::string without = file;
        const std::string line = "\r\n" + key.Name + "=" + *original + "\r\n";
        without.erase(without.find(line) + 2, line.size() - 2);
        EXPECT_NE(Read(without), settings);
    }
    IniStore rewritten = IniStore::Parse(file);
    WriteAll(settings, rewritten);
    EXPECT_EQ(rewritten.Serialize(), file);
}

TEST(SettingsFileRead, MissingKeysTakeTheirDefaults)
{
    Settings settings;
    settings.Pick = 9;
    EXPECT_TRUE(ReadSettings(IniStore{}, settings).Ok);
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(settings.CadMax, 50000);
    EXPECT_EQ(settings.Os, 98);

    Settings expected;
    expected.Hani = 30;
    EXPECT_EQ(Read("[Para]\r\nHani=30\r\n[Cad]\r\nPick=\r\n"), expected);  // empty counts as missing
}

TEST(SettingsFileRead, AValueOfTheWrongKindStopsTheReading)
{
    const struct {
        const char* File;
        const char* Key;
        std::function<void(Settings&)> ReadBefore;
    } cases[] = {
        {"[Cad]\r\nPick=3\r\nUndo=abc\r\nTimer=5\r\n", "Undo", [](Settings& s) { s.Pick = 3; }},
        {"[Edit]\r\nFormColor=255\r\n[Cad]\r\nArrowLength=2,5\r\nTextheight=3\r\n", "ArrowLength",
         [](Settings& s) { s.FormColor = 255; }},
        {"[File]\r\ncad=/x\r\n[Cad]\r\nRiteClick=yes\r\nPick=3\r\n", "RiteClick", [](Settings& s) { s.CadFolder = "/x"; }},
        {"[Cad]\r\nRyarName1=A\r\nSnap3=on\r\nSnap2=1\r\nColor1=5\r\n[Form]\r\nPosi=R\r\n", "Snap3",
         [](Settings& s) {
             s.LayerNames[0] = "A";
             s.Color1 = 5;
             s.Snap[1] = true;
         }},
        {"[Cad]\r\nGridPit=ten\r\n[Para]\r\nCadMax=300\r\n", "GridPit", [](Settings& s) { s.CadMax = 300; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        Settings settings;
        const SettingsReadResult result = ReadSettings(IniStore::Parse(c.File), settings);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Key, c.Key);
        Settings expected;
        c.ReadBefore(expected);
        EXPECT_EQ(settings, expected);
    }
}

TEST(SettingsFileRead, DecimalsOutsideTheirRangeAreBroughtInside)
{
    // "Textheight" -12, 0 or 1e308 was once taken, painted and exported as it stood.
    const struct {
        const char* Line;
        double Settings::*Field;
        double Taken;
    } cases[] = {
        {"[Cad]\r\nTextheight=-12", &Settings::Textheight, 0.1},
        {"[Cad]\r\nTextheight=0", &Settings::Textheight, 0.1},
        {"[Cad]\r\nTextheight=1e308", &Settings::Textheight, 1000},
        {"[Cad]\r\nTextheight=0.1", &Settings::Textheight, 0.1},
        {"[Cad]\r\nArrowLength=-2", &Settings::ArrowLength, 0},
        {"[Cad]\r\nArrowHeight=1e20", &Settings::ArrowHeight, 1000},
        {"[Cad]\r\nArrowOffset=0", &Settings::ArrowOffset, 0},
        {"[Printer]\r\nHoseiX=0", &Settings::HoseiX, 0.01},
        {"[Printer]\r\nHoseiY=-1", &Settings::HoseiY, 0.01},
        {"[Cad]\r\nGridPit=-10", &Settings::GridPit, 0.01},
        {"[Cad]\r\nGridPit=1e9", &Settings::GridPit, 100000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Read(c.Line).*c.Field, c.Taken);
    }
}

TEST(SettingsFileRead, ParametersThatAreNoNumberCountAsTheirDefault)
{
    const struct {
        const char* Text;  // nullptr: key missing
        int CadMax;
        int Os;
    } cases[] = {
        {nullptr, 50000, 98}, {"abc", 50000, 2000}, {"98", 100, 98},        {"2000", 2000, 2000},
        {"", 50000, 2000},    {"1.5", 50000, 2000}, {" 98 ", 100, 98},      {"0x7D0", 2000, 2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text != nullptr ? c.Text : "missing");
        const std::string file = c.Text != nullptr ? std::string("[Para]\r\nCadMax=") + c.Text + "\r\nOS=" + c.Text : "";
        Settings settings;
        EXPECT_TRUE(ReadSettings(IniStore::Parse(file), settings).Ok);
        EXPECT_EQ(settings.CadMax, c.CadMax);
        EXPECT_EQ(settings.Os, c.Os);
    }
}

TEST(SettingsFileRead, NumbersAreBroughtIntoTheirRange)
{
    const struct {
        const char* Section;
        const char* Key;
        const char* Text;
        int Settings::*Field;
        int Expected;
    } cases[] = {
        {"Para", "CadMax", "50", &Settings::CadMax, 100},
        {"Para", "CadMax", "200000", &Settings::CadMax, 100000},
        {"Para", "Bunkatu", "5000", &Settings::Bunkatu, 3600},
        {"Para", "Bunkatu", "0", &Settings::Bunkatu, 180},  // as the drawing code reads it
        {"Cad", "Undo", "1", &Settings::Undo, 2},
        {"Cad", "Undo", "96", &Settings::Undo, 95},
        {"Cad", "Pick", "0", &Settings::Pick, 2},
        {"Cad", "Pick2", "11", &Settings::Pick2, 10},
        {"Cad", "Timer", "121", &Settings::Timer, 120},
        {"Cad", "PejeValue", "4", &Settings::PejeValue, 5},
        {"Cad", "GridCountX", "101", &Settings::GridCountX, 100},
        {"Cad", "GridCountY", "-1", &Settings::GridCountY, 0},
        {"Cad", "GridPit2", "11", &Settings::GridPit2, 10},
        {"Cad", "Patern", "3", &Settings::Patern, 2},
        {"Cad", "Eps", "7", &Settings::EpsIndex, 6},
        {"Cad", "Eps", "-1", &Settings::EpsIndex, 0},
        {"Cad", "Precision", "9", &Settings::Precision, 6},
        {"Cad", "DimPit", "4", &Settings::DimPit, 3},
        {"Cad", "ArrowPatern", "-2", &Settings::ArrowPatern, 0},
        {"Paper", "width2", "12", &Settings::Width2, 11},
        {"Paper", "senter", "9", &Settings::Senter, 8},
        {"Paper", "Wheel", "0", &Settings::Wheel, 1},
        {"Printer", "ColorChk", "2", &Settings::ColorChk, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Key) + "=" + c.Text);
        const Settings settings = Read(std::string("[") + c.Section + "]\r\n" + c.Key + "=" + c.Text);
        EXPECT_EQ(settings.*c.Field, c.Expected);
    }
    EXPECT_EQ(Read("[Edit]\r\nFormColor=16777216").FormColor, 0xFFFFFFu);
    EXPECT_EQ(Read("[Cad]\r\nColor2=-1").Color2, 0u);
}

TEST(SettingsFileRead, NamesIgnoreLetterCase)
{
    const Settings settings = Read("[cad]\r\npick=3\r\nryarname5=x\r\n[FILE]\r\nCAD=/x\r\n");
    EXPECT_EQ(settings.Pick, 3);
    EXPECT_EQ(settings.LayerNames[4], "x");
    EXPECT_EQ(settings.CadFolder, "/x");
}

TEST(SettingsFileWrite, JapaneseLayerNamesSurviveByteForByte)
{
    Settings settings;
    settings.LayerNames[0] = kOutline;
    settings.LayerNames[1] = kShown;
    settings.LayerNames[95] = kHalfWidth;
    IniStore store;
    WriteLayerNames(settings, store);
    const std::string bytes = store.Serialize();
    EXPECT_NE(bytes.find("\r\nRyarName2=" + kShown + "\r\n"), std::string::npos);
    EXPECT_EQ(Read(bytes).LayerNames, settings.LayerNames);
}

TEST(SettingsFileWrite, EachWriterWritesItsOwnKeys)
{
    Settings settings;
    settings.Posi = "X";  // anything but "L" is the right edge
    IniStore atExit;
    WriteExitSettings(settings, atExit);
    std::string expected = "[Cad]\r\nColor1=0\r\nDimPit=2\r\nArrowPatern=0\r\nDimCenter=1\r\n";
    for (int n = 1; n <= 9; ++n) expected += "Snap" + std::to_string(n) + "=0\r\n";
    expected += "\r\n[Form]\r\nPosi=R\r\n\r\n[File]\r\n";
    for (int n = 7; n <= 12; ++n) expected += "File" + std::to_string(n) + "=\r\n";
    EXPECT_EQ(atExit.Serialize(), expected);

    IniStore layers;
    WriteLayerNames(settings, layers);
    IniStore dialogs;
    WriteSettings(settings, dialogs);
    IniStore textDialog;
    WriteTextDialogSettings(settings, textDialog);
    for (const SettingsKey& key : AllKeys()) {
        SCOPED_TRACE(key.Name);
        EXPECT_EQ(dialogs.Find(key.Section, key.Name) != nullptr, key.Writer == SettingsWriter::Dialogs);
        EXPECT_EQ(layers.Find(key.Section, key.Name) != nullptr, key.Writer == SettingsWriter::LayerPanel);
        EXPECT_EQ(textDialog.Find(key.Section, key.Name) != nullptr, key.Writer == SettingsWriter::TextDialog);
    }
}

TEST(SettingsFileWrite, FloatFormats)
{
    const struct {
        double Value;
        const char* Dimension;  // "0.##"
        const char* Grid;       // the short number format
        const char* Printer;    // shortest exact
    } cases[] = {
        {2.0, "2", "2", "2"},
        {2.5, "2.5", "2.5", "2.5"},
        {2.125, "2.13", "2.125", "2.125"},
        {-1.5, "-1.5", "-1.5", "-1.5"},
        {0.004, "0", "0.004", "0.004"},
        {0.1234, "0.12", "0.123", "0.1234"},
        {12345678901234.5, "12345678901234.5", "12345678901234.5", "12345678901234.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value);
        Settings settings;
        settings.ArrowLength = c.Value;
        settings.GridPit = c.Value;
        settings.HoseiX = c.Value;
        IniStore store;
        WriteSettings(settings, store);
        EXPECT_EQ(*store.Find("Cad", "ArrowLength"), c.Dimension);
        EXPECT_EQ(*store.Find("Cad", "GridPit"), c.Grid);
        EXPECT_EQ(*store.Find("Printer", "HoseiX"), c.Printer);
    }
}

TEST(SettingsFileStartUp, AFileThatCannotBeReadIsNamedAndNeverWrittenOver)
{
    // A settings file over the size limit, unreadable or not text was once ignored without a word,
    // and the program's end wrote its few keys over it: every layer name and setting was lost.
    // The malformed-file message named another program's file.
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "folder.ini");
    WriteBytes(folder / "large.ini", "[Cad]\r\nPick=3\r\n");
    std::filesystem::resize_file(folder / "large.ini", kMaxIniFileBytes + 1);
    WriteBytes(folder / "utf16.ini", std::string("[\0C\0a\0d\0]\0\r\0\n\0P\0i\0c\0k\0=\0\x33\0", 26));
    WriteBytes(folder / "malformed.ini", "[Cad]\r\nPick=3\r\nUndo=abc\r\n");
    WriteBytes(folder / "good.ini", "[Cad]\r\nPick=3\r\n");
    const struct {
        const char* Name;
        bool Writable;
        const char* Says;  // part of the message; empty: no message
        int Pick;
    } cases[] = {
        {"folder.ini", false, "を読み込めませんでした。標準の設定で続けます。このファイルは上書きしません。", 6},
        {"large.ini", false, "は大きすぎるため読み込めませんでした。", 6},
        {"utf16.ini", false, "はテキストではないため読み込めませんでした。", 6},
        {"malformed.ini", true, "を一旦削除してください。\r\n（[Cad] の Undo）", 3},
        {"good.ini", true, "", 3},
        {"absent.ini", true, "", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::filesystem::path path = folder / c.Name;
        auto contents = [&] { return std::filesystem::is_regular_file(path) ? ReadBytes(path) : "(no file)"; };
        const std::string before = contents();
        Settings settings;
        settings.Pick = 9;
        const SettingsFileLoad loaded = LoadSettingsFile(path, settings);
        EXPECT_EQ(loaded.Writable, c.Writable);
        EXPECT_EQ(settings.Pick, c.Pick);
        if (*c.Says == '\0') {
            EXPECT_EQ(loaded.Message, "");
            continue;
        }
        EXPECT_NE(loaded.Message.find("\"" + path.string() + "\""), std::string::npos) << loaded.Message;
        EXPECT_NE(loaded.Message.find(c.Says), std::string::npos) << loaded.Message;
        // The writers refuse such a file too, should it turn up while the program runs.
        const std::string stored = StoreSettingsFile(path, WriteExitSettings, settings);
        EXPECT_EQ(stored.empty(), c.Writable) << stored;
        if (!c.Writable) {
            EXPECT_EQ(contents(), before);
        }
    }
}

TEST(SettingsFileStartUp, StoringKeepsTheOtherLinesAndAFailedSaveSaysSo)
{
    ScratchFolder folder;
    const std::filesystem::path path = folder / "VantroCad.ini";
    WriteBytes(path, "; mine\r\n[Cad]\r\nRyarName1=A\r\nPick=3\r\n");
    Settings settings;
    settings.Snap[0] = true;
    EXPECT_EQ(StoreSettingsFile(path, WriteExitSettings, settings), "");
    const std::string written = ReadBytes(path);
    EXPECT_EQ(written.rfind("; mine\r\n[Cad]\r\nRyarName1=A\r\nPick=3\r\n", 0), 0u) << written;
    EXPECT_NE(written.find("Snap1=1"), std::string::npos);
    const std::filesystem::path nowhere = folder / "missing-folder" / "VantroCad.ini";
    EXPECT_EQ(StoreSettingsFile(nowhere, WriteExitSettings, settings),
              "設定ファイル\"" + nowhere.string() + "\"に設定を保存できませんでした。");
}

TEST(SettingsFileFolder, FindsTheFileWhateverTheLetterCaseAndSavesOverIt)
{
    ScratchFolder folder;
    EXPECT_EQ(SettingsFilePath(folder.Path()), folder / "VantroCad.ini");
    WriteBytes(folder / "vantroCAD.INI", "[Cad]\r\nPick=3\r\n");
    const std::filesystem::path path = SettingsFilePath(folder.Path());
    EXPECT_EQ(path, folder / "vantroCAD.INI");
    IniStore store;
    ASSERT_EQ(store.Load(path), IniLoadStatus::Loaded);
    Settings settings;
    ASSERT_TRUE(ReadSettings(store, settings).Ok);
    EXPECT_EQ(settings.Pick, 3);
    settings.Pick = 4;
    WriteSettings(settings, store);
    ASSERT_TRUE(store.Save(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    EXPECT_EQ(Read(ReadBytes(path)).Pick, 4);
}

TEST(SettingsFileFolder, ProgramFolder)
{
    ScratchFolder folder;
    const std::filesystem::path missing = folder / "not-there";
    ScopedEnvironment home("HOME", (folder / "home").string());
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", (folder / "config").string());
        EXPECT_EQ(ProgramFolder(folder.Path(), folder / "override"), folder / "override");
        EXPECT_EQ(ProgramFolder(folder.Path(), {}), folder.Path());
        EXPECT_EQ(ProgramFolder(missing, {}), folder / "config" / "VantroCad");
        EXPECT_TRUE(std::filesystem::is_directory(folder / "config" / "VantroCad"));
    }
    {
        // Even a user who may write to /usr/bin keeps the settings out of an installed copy.
        ScopedEnvironment config("XDG_CONFIG_HOME", (folder / "config").string());
        std::filesystem::create_directories(folder / "usr" / "bin");
        std::filesystem::create_directories(folder / "usr" / "share" / "vantrocad");
        EXPECT_EQ(ProgramFolder(folder / "usr" / "bin", {}), folder / "config" / "VantroCad");
    }
    using Variable = std::optional<std::string>;
    for (const Variable& config : {Variable(), Variable("relative")}) {
        ScopedEnvironment scoped("XDG_CONFIG_HOME", config);
        EXPECT_EQ(ProgramFolder(missing, {}), folder / "home" / ".config" / "VantroCad");
    }
}

}  // namespace
}  // namespace vantro
