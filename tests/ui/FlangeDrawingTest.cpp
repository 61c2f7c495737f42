// A whole part drawn the way a drafter draws it: tool buttons, clicks and the entry fields only,
// then saved, opened again and compared element by element.
#include "MainWindowFixture.h"

#include "document/Cp932.h"
#include "files/ScratchFolder.h"

#include <QCheckBox>

#include <vector>

namespace vantro::testing {
namespace {

class FlangeDrawingTest : public MainWindowTest {
protected:
    void Circle(double x, double y, const char* radius)
    {
        Find<QLineEdit>("EditR")->setText(radius);
        TypePoint(x, y);
    }
    std::vector<TCadData> Elements() const
    {
        const Drawing& d = window->Document();
        return {d.Elements.begin() + 1, d.Elements.begin() + 1 + d.Count};
    }

    // A 120 mm square plate with a bore and four bolt holes, their centre lines, a radius and a
    // diameter dimension, a leader text and a title.
    void DrawFlange()
    {
        Press("SpeedButton39");
        TypePoint(-60, -60);
        TypePoint(60, 60);

        Press("SpeedButton30");
        Find<QCheckBox>("CheckBoxCrCenter")->setChecked(true);
        Circle(0, 0, "20");
        Find<QCheckBox>("CheckBoxCrCenter")->setChecked(false);
        for (const auto& [x, y] : {std::pair{40, 40}, {-40, 40}, {-40, -40}, {40, -40}}) Circle(x, y, "6");

        Press("SpeedButtonOp");
        Press("SpeedButton232");
        for (const auto& [x, y] : {std::pair{46, 40}, {-34, 40}, {-34, -40}, {46, -40}}) ClickAt(x, y);

        Press("SpeedButton250");
        ClickAt(0, -20);
        ClickAt(10, -35);
        Press("SpeedButton255");
        ClickAt(40, 46);
        ClickAt(70, 75);

        Find<QCheckBox>("CheckBoxSnap6")->setChecked(true);  // quadrants
        Press("SpeedButton171");
        ClickAt(-40, 46);
        ClickAt(-60, 80);
        dialogs.Inputs = {std::string("4-φ12")};
        ClickAt(-95, 80);

        TextDialogAnswers = {QStringLiteral("FLANGE"), std::nullopt};
        Press("SpeedButton296");
        QTest::mouseMove(Canvas(), PixelOf(-20, -70));
        ClickAt(-20, -70);
    }
};

TEST_F(FlangeDrawingTest, AFlangeDrawnByButtonsClicksAndFieldsSurvivesSavingAndOpening)
{
    DrawFlange();
    const std::vector<TCadData> drawn = Elements();
    ASSERT_EQ(drawn.size(), 23u);
    std::vector<int> kinds;
    for (const TCadData& e : drawn) kinds.push_back(e.Kind);
    const std::vector<int> expected{1, 1, 1, 1, 4, 1, 1, 4, 4, 4, 4, 1, 1, 1, 1, 1, 1, 1, 1, 9, 11, 17, 30};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(drawn[19].Value, 20) << "the bore's radius";
    EXPECT_EQ(drawn[20].Value, 12) << "a hole's diameter";
    EXPECT_EQ(drawn[21].X1, -40) << "the leader points at the top of a hole";
    EXPECT_EQ(drawn[21].Y1, 46);
    EXPECT_EQ(drawn[21].Text, "=" + Utf8ToCp932("4-φ12"));
    EXPECT_EQ(drawn[22].Text, "FLANGE");

    ScratchFolder folder;
    dialogs.Files = {(folder / "flange.dca").string()};
    ASSERT_TRUE(window->SaveAsCommand());
    Open(Settings{});
    dialogs.Files = {(folder / "flange.dca").string()};
    window->OpenCommand();
    const std::vector<TCadData> read = Elements();
    ASSERT_EQ(read.size(), drawn.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const TCadData& a = drawn[i];
        const TCadData& b = read[i];
        EXPECT_EQ(b.Kind, a.Kind);
        EXPECT_EQ(b.X1, a.X1);
        EXPECT_EQ(b.Y1, a.Y1);
        EXPECT_EQ(b.X2, a.X2);
        EXPECT_EQ(b.Y2, a.Y2);
        EXPECT_EQ(b.Cx, a.Cx);
        EXPECT_EQ(b.Cy, a.Cy);
        EXPECT_EQ(b.R, a.R);
        EXPECT_EQ(b.Angle, a.Angle);
        EXPECT_EQ(b.Value, a.Value);
        EXPECT_EQ(b.Text, a.Text);
        EXPECT_EQ(b.Group, a.Group);
        EXPECT_EQ(b.Layer, a.Layer);
    }
}

}  // namespace
}  // namespace vantro::testing
