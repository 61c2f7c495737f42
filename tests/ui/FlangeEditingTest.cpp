// The sample flange edited from end to end through tool buttons, clicks and entry fields only,
// then saved and read back.
#include "MainWindowFixture.h"

#include <QAction>

#include <cmath>
#include <filesystem>
#include <functional>

namespace vantro::testing {
namespace {

class FlangeEditingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        folder = std::filesystem::temp_directory_path() / ("vantro-flange-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        std::filesystem::remove_all(folder);
    }

    void OpenFile(const std::filesystem::path& path)
    {
        dialogs.Files = {path.string()};
        Find<QAction>("CADOpen")->trigger();
        ASSERT_GT(Doc().Count, 0) << path;
    }

    // How many elements of the kind satisfy the test.
    int CountOf(int8_t kind, const std::function<bool(const TCadData&)>& test) const
    {
        int count = 0;
        const Drawing& d = window->Document();
        for (int i = 1; i <= d.Count; ++i) count += d[i].Kind == kind && test(d[i]) ? 1 : 0;
        return count;
    }
    static bool Near(double a, double b) { return std::abs(a - b) < 1e-6; }
    int CirclesAt(double x, double y, double r) const
    {
        return CountOf(kKindCircle, [&](const TCadData& e) { return Near(e.Cx, x) && Near(e.Cy, y) && Near(e.R, r); });
    }
    int LinesFrom(double x1, double y1, double x2, double y2) const
    {
        return CountOf(kKindLine, [&](const TCadData& e) {
            return (Near(e.X1, x1) && Near(e.Y1, y1) && Near(e.X2, x2) && Near(e.Y2, y2)) ||
                   (Near(e.X1, x2) && Near(e.Y1, y2) && Near(e.X2, x1) && Near(e.Y2, y1));
        });
    }

    std::filesystem::path folder;
};

// The record as the file keeps it: ids are given afresh when a drawing is read.
std::vector<TCadData> WithoutIds(std::vector<TCadData> elements)
{
    for (TCadData& e : elements) e.Id = 0;
    return elements;
}

TEST_F(FlangeEditingTest, OffsetFilletTrimMirrorAndRotateCopyThenSaveAndReopen)
{
    OpenFile(std::filesystem::path(VANTRO_SAMPLE_DRAWINGS) / "flange.dca");
    const int original = Doc().Count;
    ASSERT_EQ(LinesFrom(-150, 90, 150, 90), 1);
    ASSERT_EQ(CirclesAt(110, 55, 12), 1);

    // The outline, offset outwards by 10 as one chain.
    Press("SpeedButton229");
    Find<QLineEdit>("EditR")->setText("10");
    ClickAt(60, -90);
    ClickAt(60, -150);
    EXPECT_EQ(Doc().Count, original + 4);
    EXPECT_EQ(LinesFrom(-160, -100, 160, -100), 1);
    EXPECT_EQ(LinesFrom(160, -100, 160, 100), 1);
    EXPECT_EQ(LinesFrom(160, 100, -160, 100), 1);
    EXPECT_EQ(LinesFrom(-160, 100, -160, -100), 1);

    // Two corners of the plate rounded with radius 10.
    Press("SpeedButton211");
    Find<QLineEdit>("EditR")->setText("10");
    ClickAt(130, 90);
    ClickAt(150, 70);
    ClickAt(-130, -90);
    ClickAt(-150, -70);
    EXPECT_EQ(CountOf(kKindArc, [](const TCadData& e) { return Near(e.R, 10); }), 2);
    EXPECT_EQ(CountOf(kKindArc, [&](const TCadData& e) { return Near(e.Cx, 140) && Near(e.Cy, 80); }), 1);
    EXPECT_EQ(CountOf(kKindArc, [&](const TCadData& e) { return Near(e.Cx, -140) && Near(e.Cy, -80); }), 1);

    // The horizontal centre line cut away inside the bore.
    Press("SpeedButton208");
    const Point onBore = Polar({0, 0}, 60, 135);
    ClickAt(onBore.X, onBore.Y);
    ClickAt(30, 0);
    EXPECT_EQ(LinesFrom(-180, 0, -60, 0), 1);
    EXPECT_EQ(LinesFrom(60, 0, 180, 0), 1);
    EXPECT_EQ(Mode(), 208);

    // The four holes mirrored as copies about the vertical x = 200, chosen by two windows.
    Press("SpeedButton108", Qt::RightButton);
    Drag(-126, -70, -94, 70);
    Drag(94, -70, 126, 70);
    EXPECT_EQ(Selected().size(), 4u);
    PressButtonMulti();
    Find<QLineEdit>("EditY")->setText("0");
    EnterIn("EditX", "200");
    Find<QLineEdit>("EditY")->setText("10");
    EnterIn("EditX", "200");
    for (const double y : {55.0, -55.0}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(CirclesAt(290, y, 12), 1);
        EXPECT_EQ(CirclesAt(510, y, 12), 1);
        EXPECT_EQ(CirclesAt(110, y, 12), 1) << "the sources stay";
    }

    // One hole copied twice about the centre, 30 degrees apart.
    Press("SpeedButton116", Qt::RightButton);
    ClickAt(122, 55);
    Find<QLineEdit>("EditY")->setText("0");
    EnterIn("EditX", "0");
    EnterIn("EditR", "30");
    EnterIn("EditR", "2");
    for (const double degrees : {30.0, 60.0}) {
        SCOPED_TRACE(degrees);
        const Point turned = RotatePointDeg({110, 55}, {0, 0}, degrees);
        EXPECT_EQ(CirclesAt(turned.X, turned.Y, 12), 1);
    }
    QTest::keyClick(window.get(), Qt::Key_Escape);

    const std::vector<TCadData> edited = ElementsOf(Doc());
    dialogs.Files = {(folder / "edited.dca").string()};
    Find<QAction>("CADSave")->trigger();
    ASSERT_TRUE(std::filesystem::exists(folder / "edited.dca"));

    Open(Settings{});
    OpenFile(folder / "edited.dca");
    EXPECT_EQ(WithoutIds(ElementsOf(Doc())), WithoutIds(edited));
}

}  // namespace
}  // namespace vantro::testing
