// The recently used files at the end of the file menu, and the tool panel's file buttons.
#include "MainWindowFixture.h"

#include "files/ScratchFolder.h"
#include "files/SettingsFile.h"
#include "support/Fixtures.h"

#include <QAction>

namespace vantro::testing {
namespace {

class MainWindowFileMenu : public MainWindowTest {
protected:
    std::string PathFor(const char* name) const { return (folder / name).string(); }

    // Writes a drawing of one line under each name, through "名前を付けて保存".
    void SaveEach(std::initializer_list<const char*> names)
    {
        AddLine(window->Document(), 0, 0, 10, 10);
        for (const char* name : names) {
            dialogs.Files = {PathFor(name)};
            ASSERT_TRUE(window->SaveAsCommand());
        }
    }

    // The captions of the shown items file7..file12.
    std::vector<std::string> Items() const
    {
        std::vector<std::string> shown;
        for (int slot = 7; slot <= 12; ++slot) {
            const QAction* item = Find<QAction>(QStringLiteral("file%1").arg(slot).toUtf8().constData());
            if (item->isVisible()) shown.push_back(item->text().replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString());
        }
        return shown;
    }

    ScratchFolder folder;
};

TEST_F(MainWindowFileMenu, SavingAndOpeningPutTheFileAtTheTop)
{
    SaveEach({"a.dca", "b.dca", "c.dca"});
    EXPECT_EQ(Items(), (std::vector<std::string>{PathFor("c.dca"), PathFor("b.dca"), PathFor("a.dca")}));
    ASSERT_TRUE(window->OpenDrawing(PathFor("b.dca")));
    EXPECT_EQ(Items(), (std::vector<std::string>{PathFor("b.dca"), PathFor("c.dca"), PathFor("a.dca")}));
    EXPECT_EQ(window->RecentFiles()[3], "");
}

TEST_F(MainWindowFileMenu, ARelativePathIsRememberedInFull)
{
    SaveEach({"a.dca"});
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const bool opened = window->OpenDrawing("./a.dca");
    std::filesystem::current_path(before);
    ASSERT_TRUE(opened);
    EXPECT_EQ(window->RecentFiles()[0], PathFor("a.dca"));
    EXPECT_EQ(window->RecentFiles()[1], "") << "the same file once";
}

TEST_F(MainWindowFileMenu, ChoosingAnEntryOpensItAfterAskingEvenAboutASavedDrawing)
{
    SaveEach({"a & b.dca", "c.dca"});
    EXPECT_EQ(Items()[1], PathFor("a & b.dca")) << "an ampersand is shown, not taken as a mnemonic";
    window->Document().Saved = true;
    dialogs.Answers = {DialogAnswer::Cancel, DialogAnswer::Ok};
    Find<QAction>("file8")->trigger();
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"編集中の CADデータがあります、よろしいですか？"});
    EXPECT_EQ(window->CurrentFile().toStdString(), PathFor("c.dca"));
    Find<QAction>("file8")->trigger();
    EXPECT_EQ(window->CurrentFile().toStdString(), PathFor("a & b.dca"));
    EXPECT_EQ(Items().front(), PathFor("a & b.dca"));
}

TEST_F(MainWindowFileMenu, AMissingFileIsRemovedWithAMessage)
{
    SaveEach({"a.dca", "b.dca", "c.dca"});
    std::filesystem::remove(folder / "c.dca");
    Find<QAction>("file7")->trigger();
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"開こうとしたファイルは存在しません！"});
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(Items(), (std::vector<std::string>{PathFor("b.dca"), PathFor("a.dca")}));
    EXPECT_FALSE(Find<QAction>("file9")->isVisible());
}

TEST_F(MainWindowFileMenu, TheListIsKeptInTheSettingsFileAtTheEnd)
{
    const std::filesystem::path ini = folder / "VantroCad.ini";
    Settings settings;
    settings.RecentFiles[0] = PathFor("old.dca");
    window.reset();
    window = std::make_unique<TForm1>(settings, ini);
    window->SetDialogs(&dialogs);
    EXPECT_EQ(Items(), std::vector<std::string>{PathFor("old.dca")});
    SaveEach({"new.dca"});
    ASSERT_TRUE(window->close());
    IniStore store;
    ASSERT_EQ(store.Load(ini), IniLoadStatus::Loaded);
    EXPECT_EQ(store.ReadString("File", "File7", ""), PathFor("new.dca"));
    EXPECT_EQ(store.ReadString("File", "File8", ""), PathFor("old.dca"));
}

TEST_F(MainWindowFileMenu, TheFileButtonsOpenSaveAsAndSave)
{
    const struct {
        const char* Button;
        const char* Hint;
    } buttons[] = {
        {"SpeedButtonOpen", "ファイルを開く"},
        {"SpeedButtonSave", "名前を付けて保存"},
        {"SpeedButtonSave2", "上書き保存"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.Button);
        EXPECT_EQ(Find<QToolButton>(b.Button)->toolTip().toStdString(), b.Hint);
        EXPECT_FALSE(Find<QToolButton>(b.Button)->icon().isNull());
    }
    AddLine(window->Document(), 0, 0, 10, 10);
    dialogs.Files = {PathFor("first")};
    Press("SpeedButtonSave2");
    EXPECT_TRUE(std::filesystem::exists(folder / "first.dca")) << "no file yet: it saves as";
    AddLine(window->Document(), 0, 0, 20, 10);
    Press("SpeedButtonSave2");
    EXPECT_TRUE(dialogs.FileDialogs.size() == 1u) << "the caption names the file: no dialog";
    dialogs.Files = {PathFor("second")};
    Press("SpeedButtonSave");
    EXPECT_EQ(window->CurrentFile().toStdString(), PathFor("second.dca"));

    window->Document().Saved = true;
    dialogs.Files = {PathFor("first.dca")};
    Press("SpeedButtonOpen");
    EXPECT_EQ(window->CurrentFile().toStdString(), PathFor("first.dca"));
    EXPECT_EQ(window->Document().Count, 2) << "the second line reached the file by the overwrite";
    EXPECT_EQ(Mode(), step::kIdle);
}

}  // namespace
}  // namespace vantro::testing
