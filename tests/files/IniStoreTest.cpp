#include "files/FileSystem.h"
#include "files/IniStore.h"
#include "files/ScratchFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace vantro {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct LookupCase {
    const char* Name;
    std::string Bytes;
    const char* Section;
    std::string Key;
    std::optional<std::string> Value;  // nullopt: not found
};

TEST(IniStoreParse, FollowsTheLineRules)
{
    const std::string longValue(kMaxIniLineBytes - 2, 'x');
    const LookupCase cases[] = {
        {"CR LF line ends", "[A]\r\nk=1\r\nj=2\r\n", "A", "j", "2"},
        {"LF line ends", "[A]\nk=1\nj=2\n", "A", "j", "2"},
        {"lone CR line ends", "[A]\rk=1\rj=2\r", "A", "j", "2"},
        {"no line end at the end", "[A]\r\nk=1", "A", "k", "1"},
        {"byte order mark skipped", "\xEF\xBB\xBF[A]\r\nk=1", "A", "k", "1"},
        {"section and key ignore case", "[cAD]\r\nPICK=3", "Cad", "pick", "3"},
        {"blanks and tabs trimmed", " \t[ A ]\t\r\n  k \t=\t v w  \r\n", "A", "k", "v w"},
        {"split at the first =", "[A]\r\nk=a=b", "A", "k", "a=b"},
        {"empty value", "[A]\r\nk=", "A", "k", ""},
        {"first of repeated keys", "[A]\r\nk=1\r\nK=2", "A", "k", "1"},
        {"repeated section continues", "[A]\r\nk=1\r\n[B]\r\n[a]\r\nj=3", "A", "j", "3"},
        {"repeated section: first key wins", "[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2", "A", "k", "1"},
        {"before the first section", "k=1\r\n[A]\r\n", "A", "k", std::nullopt},
        {"comment", "[A]\r\n;k=1", "A", ";k", std::nullopt},
        {"no =", "[A]\r\nk", "A", "k", std::nullopt},
        {"[ without ] is no section", "[A]\r\n[B\r\nk=1", "A", "k", "1"},
        {"[ without ] is no entry", "[A]\r\n[B=1", "A", "[B", std::nullopt},
        {"text after ] ignored", "[A] ; note\r\nk=1", "A", "k", "1"},
        {"NUL drops the line", "[A]\r\nk=1\0x\r\nj=2"s, "A", "k", std::nullopt},
        {"NUL drops only its line", "[A]\r\nk=1\0x\r\nj=2"s, "A", "j", "2"},
        {"longest line kept", "[A]\r\nk=" + longValue, "A", "k", longValue},
        {"longer line dropped", "[A]\r\nk=x" + longValue, "A", "k", std::nullopt},
        // 0x83 0x5D is one character whose second byte is ']'.
        {"trail byte ] inside a name", "[\x83\x5D]\r\nk=1", "\x83\x5D", "k", "1"},
        // 0x83 0x41 and 0x83 0x61 are different katakana; only single-byte letters fold.
        {"trail bytes do not fold", "[A]\r\n\x83\x41=1", "A", "\x83\x61", std::nullopt},
        {"double-byte key", "[A]\r\n\x83\x41=1", "A", "\x83\x41", "1"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const IniStore store = IniStore::Parse(c.Bytes);
        const std::string* value = store.Find(c.Section, c.Key);
        ASSERT_EQ(value != nullptr, c.Value.has_value());
        if (value != nullptr) {
            EXPECT_EQ(*value, *c.Value);
        }
    }
}

TEST(IniStoreParse, WritesBackEveryLineItKeeps)
{
    const std::string file =
        "; made by hand\r\nstray=1\r\n\r\n[Cad]\r\nPick = 3\r\n; note\r\nnot an entry\r\n\r\n[File] ; x\r\n"
        "cad=/home/user/\x95\x5C\r\n[Broken\r\n";
    EXPECT_EQ(IniStore::Parse(file).Serialize(), file);
}

TEST(IniStoreParse, NormalisesWhatItCannotKeep)
{
    const struct {
        const char* Name;
        std::string Bytes;
        std::string Written;
    } cases[] = {
        {"LF becomes CR LF", "[A]\nk=1\n", "[A]\r\nk=1\r\n"},
        {"lone CR becomes CR LF", "[A]\rk=1", "[A]\r\nk=1\r\n"},
        {"byte order mark dropped", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "[A]\r\nk=1\r\n"},
        // Found by fuzzing: a second mark used to open the written file and vanish on the next read.
        {"every opening mark dropped", "\xEF\xBB\xBF\xEF\xBB\xBF; x\r\n", "; x\r\n"},
        {"mark after a dropped line", "\0\r\n\xEF\xBB\xBF[A]\r\n"s, "[A]\r\n"},
        {"NUL line dropped", "[A]\r\nk=\0\r\nj=2\r\n"s, "[A]\r\nj=2\r\n"},
        {"repeated key dropped", "[A]\r\nk=1\r\nk=2\r\n", "[A]\r\nk=1\r\n"},
        {"repeated section merged", "[A]\r\nk=1\r\n[B]\r\nx=0\r\n[a]\r\nj=2\r\n", "[A]\r\nk=1\r\nj=2\r\n[B]\r\nx=0\r\n"},
        {"empty input", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(IniStore::Parse(c.Bytes).Serialize(), c.Written);
        EXPECT_EQ(IniStore::Parse(c.Written).Serialize(), c.Written);
    }
}

TEST(IniStoreRead, TypedValues)
{
    const struct {
        const char* Text;
        std::optional<int32_t> Integer;
        std::optional<bool> Bool;
        std::optional<double> Float;
    } cases[] = {
        {"12", 12, true, 12.0},
        {" -7 ", -7, true, -7.0},
        {"+5", 5, true, 5.0},
        {"0", 0, false, 0.0},
        {"0x1F", 31, true, std::nullopt},
        {"$FF0000", 0xFF0000, true, std::nullopt},
        {"$FFFFFFFF", -1, true, std::nullopt},
        {"$123456789", std::nullopt, std::nullopt, std::nullopt},
        {"2147483647", 2147483647, true, 2147483647.0},
        {"2147483648", std::nullopt, std::nullopt, 2147483648.0},
        {"1.5", std::nullopt, std::nullopt, 1.5},
        {".5", std::nullopt, std::nullopt, 0.5},
        {"1e3", std::nullopt, std::nullopt, 1000.0},
        {"2,5", std::nullopt, std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt, std::nullopt},
        {"1e999", std::nullopt, std::nullopt, std::nullopt},
        {"+-1", std::nullopt, std::nullopt, std::nullopt},
        {"0x", std::nullopt, std::nullopt, std::nullopt},
        {"-0x10", std::nullopt, std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt, std::nullopt},
        {"yes", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const IniStore store = IniStore::Parse("[S]\r\nk="s + c.Text);
        EXPECT_EQ(store.ReadInteger("S", "k", 99), c.Integer);
        EXPECT_EQ(store.ReadBool("S", "k", true), c.Bool);
        EXPECT_EQ(store.ReadFloat("S", "k", 9.5), c.Float);
    }
}

TEST(IniStoreRead, MissingOrEmptyGivesTheDefault)
{
    const IniStore store = IniStore::Parse("[S]\r\nempty=\r\n");
    for (const char* key : {"empty", "absent"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(store.ReadInteger("S", key, 42), 42);
        EXPECT_EQ(store.ReadBool("S", key, true), true);
        EXPECT_EQ(store.ReadFloat("S", key, 2.5), 2.5);
    }
    EXPECT_EQ(store.ReadString("S", "absent", "d"), "d");
    EXPECT_EQ(store.ReadString("S", "empty", "d"), "");  // present, so not the default
    EXPECT_EQ(store.ReadInteger("Absent", "k", 7), 7);
}

TEST(IniStoreWrite, ReplacesInPlaceAndAddsAfterTheLastEntry)
{
    IniStore store = IniStore::Parse("[Cad]\r\nPick = 3\r\n; note\r\n\r\n[File]\r\ncad=x\r\n");
    store.WriteInteger("cad", "PICK", 7);
    store.WriteBool("CAD", "Snap1", true);
    store.WriteBool("Cad", "Snap2", false);
    store.WriteFloat("Printer", "HoseiX", 0.1);
    store.WriteString("Printer", "Name", "  padded\tvalue \t");
    EXPECT_EQ(store.Serialize(),
              "[Cad]\r\nPick=7\r\n; note\r\nSnap1=1\r\nSnap2=0\r\n\r\n[File]\r\ncad=x\r\n\r\n"
              "[Printer]\r\nHoseiX=0.1\r\nName=padded\tvalue\r\n");
    EXPECT_EQ(*store.Find("Printer", "Name"), "padded\tvalue");
}

TEST(IniStoreWrite, KeepsOneLinePerEntry)
{
    IniStore store;
    store.WriteString("A", "k", "first\r\nsecond");
    store.WriteString("A", "j", "x\0y"s);
    // One byte short of the room after "l=", and a double-byte character that would cross it.
    const std::string fits(kMaxIniLineBytes - 3, 'x');
    store.WriteString("A", "l", fits + "\x95\x5C");
    EXPECT_EQ(*store.Find("A", "k"), "first");
    EXPECT_EQ(*store.Find("A", "j"), "x");
    EXPECT_EQ(*store.Find("A", "l"), fits);
    const IniStore reread = IniStore::Parse(store.Serialize());
    EXPECT_EQ(reread.Serialize(), store.Serialize());
    EXPECT_EQ(*reread.Find("A", "l"), fits);
}

TEST(IniStoreWrite, FloatsUseThePointInEveryLocale)
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no locale with a decimal comma";
    IniStore store;
    store.WriteFloat("A", "f", 2.5);
    EXPECT_EQ(*store.Find("A", "f"), "2.5");
    EXPECT_EQ(store.ReadFloat("A", "f", 0), 2.5);
    std::setlocale(LC_ALL, "C");
}

TEST(IniStoreBytes, JapaneseValuesSurviveByteForByte)
{
    // 表 (0x95 0x5C) and ソ (0x83 0x5C) end in the byte of '\'; 〓 and ゼ follow.
    const std::string name = "\x95\x5C\x83\x5C\x81\xAC\x83\x5B ]=;";
    IniStore store;
    store.WriteString("Cad", "RyarName1", name);
    const std::string bytes = store.Serialize();
    EXPECT_EQ(bytes, "[Cad]\r\nRyarName1=" + name + "\r\n");
    EXPECT_EQ(IniStore::Parse(bytes).ReadString("Cad", "RyarName1", ""), name);
}

TEST(IniStoreFile, SavesAndLoads)
{
    ScratchFolder folder;
    IniStore store;
    store.WriteString("Cad", "RyarName1", "\x8A\x4F\x8C\x60");
    store.WriteInteger("Cad", "Pick", 4);
    ASSERT_TRUE(store.Save(folder / "VantroCad.ini"));
    IniStore loaded;
    ASSERT_EQ(loaded.Load(folder / "VantroCad.ini"), IniLoadStatus::Loaded);
    EXPECT_EQ(loaded.Serialize(), store.Serialize());
}

TEST(IniStoreFile, LoadReportsWhatWentWrongAndKeepsTheContents)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "folder.ini");
    WriteBytes(folder / "large.ini", "");
    std::filesystem::resize_file(folder / "large.ini", kMaxIniFileBytes + 1);
    WriteBytes(folder / "utf16.ini", std::string("[\0C\0a\0d\0]\0", 10));
    const IniStore original = IniStore::Parse("[A]\r\nk=1\r\n");
    for (const auto& [name, status] : {std::pair{"absent.ini", IniLoadStatus::Missing},
                                       std::pair{"folder.ini", IniLoadStatus::Unreadable},
                                       std::pair{"large.ini", IniLoadStatus::TooLarge},
                                       std::pair{"utf16.ini", IniLoadStatus::NotText}}) {
        SCOPED_TRACE(name);
        IniStore store = original;
        EXPECT_EQ(store.Load(folder / name), status);
        EXPECT_EQ(store.Serialize(), original.Serialize());
    }
}

// Writes beyond a file-size limit fail with EFBIG, which a root-run test cannot get from
// permissions; the limit is lifted again at the end of the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

TEST(IniStoreFile, AFailedSaveLeavesTheOldFile)
{
    ScratchFolder folder;
    const std::string old = "[Cad]\r\nPick=3\r\n";
    WriteBytes(folder / "VantroCad.ini", old);
    IniStore store;
    for (int n = 1; n <= 96; ++n) store.WriteString("Cad", "RyarName" + std::to_string(n), "layer name");
    {
        FileSizeLimit limit(64);
        EXPECT_FALSE(store.Save(folder / "VantroCad.ini"));
    }
    EXPECT_EQ(ReadBytes(folder / "VantroCad.ini"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "temporary file left";
    EXPECT_FALSE(store.Save(folder / "absent" / "VantroCad.ini"));
}

TEST(IniStoreFile, SavingKeepsThePermissions)
{
    ScratchFolder folder;
    WriteBytes(folder / "VantroCad.ini", "[A]\r\n");
    std::filesystem::permissions(folder / "VantroCad.ini", std::filesystem::perms(0600));
    ASSERT_TRUE(IniStore::Parse("[A]\r\nk=1\r\n").Save(folder / "VantroCad.ini"));
    EXPECT_EQ(std::filesystem::status(folder / "VantroCad.ini").permissions(), std::filesystem::perms(0600));
    EXPECT_EQ(ReadBytes(folder / "VantroCad.ini"), "[A]\r\nk=1\r\n");
}

TEST(IniStoreFile, FindsTheFileWhateverTheLetterCase)
{
    ScratchFolder folder;
    EXPECT_EQ(FindFileIgnoringCase(folder.Path(), "VantroCad.ini"), folder / "VantroCad.ini");
    WriteBytes(folder / "VANTROCAD.INI", "");
    WriteBytes(folder / "vantrocad.ini", "");
    std::filesystem::create_directory(folder / "Vantrocad.ini");  // a folder never counts
    EXPECT_EQ(FindFileIgnoringCase(folder.Path(), "VantroCad.ini"), folder / "VANTROCAD.INI");
    WriteBytes(folder / "VantroCad.ini", "");
    EXPECT_EQ(FindFileIgnoringCase(folder.Path(), "VantroCad.ini"), folder / "VantroCad.ini");
}

}  // namespace
}  // namespace vantro
