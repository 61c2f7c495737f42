#include "ui/ColorPanel.h"

#include "view/QPainterSurface.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

namespace vantro {
namespace {

class ColorPanelTest : public ::testing::Test {
protected:
    ColorPanelTest() { panel.show(); }

    QWidget* Swatch(int number)
    {
        auto* swatch = panel.findChild<QWidget*>(QStringLiteral("Shape%1").arg(number));
        EXPECT_NE(swatch, nullptr) << number;
        return swatch;
    }

    // The colour reported by pressing the swatch, or nothing.
    std::optional<uint32_t> Press(int number)
    {
        chosen.clear();
        QWidget* swatch = Swatch(number);
        QTest::mouseClick(swatch, Qt::LeftButton, {}, swatch->rect().center());
        if (chosen.size() != 1) return std::nullopt;
        return chosen.front();
    }

    void MakeColour() { panel.findChild<QPushButton*>(QStringLiteral("ButtonColorMake"))->click(); }

    ColorPanelCallbacks Callbacks()
    {
        return {[this](uint32_t colour) { chosen.push_back(colour); },
                [this]() -> std::optional<uint32_t> {
                    if (made.empty()) return std::nullopt;
                    const std::optional<uint32_t> colour = made.front();
                    made.pop_front();
                    return colour;
                }};
    }

    std::vector<uint32_t> chosen;
    std::deque<std::optional<uint32_t>> made;  // what the colour dialog answers, in turn
    ColorPanel panel{Callbacks()};
};

TEST_F(ColorPanelTest, EachSwatchReportsAndShowsItsTableColour)
{
    const struct {
        int number;
        uint32_t colour;
    } cases[] = {
        {1, 0x000000},  {5, 0xFFFFFF},  {8, 0x0000FF},  {11, 0xB3FFB3}, {15, 0x008000},
        {23, 0xFF0000}, {36, 0xF7E0CC}, {39, 0xFFAF0B}, {40, 0xFF8080}, {41, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(Press(c.number), c.colour);
        QWidget* swatch = Swatch(c.number);
        EXPECT_EQ(swatch->grab().toImage().pixelColor(swatch->rect().center()), ToQColor(c.colour));
    }
}

TEST_F(ColorPanelTest, SwatchesSitFivePerRowWithTheNumbersReversedFromTheThirdRow)
{
    const struct {
        int number;
        int sameColumnAs;  // a swatch of the first row
        int rowBelow;      // the first swatch of the row above
    } cases[] = {
        {10, 5, 1},  {15, 1, 6},  {14, 2, 6},  {11, 5, 6},  {20, 1, 15},
        {16, 5, 15}, {36, 5, 35}, {40, 1, 35}, {41, 1, 40}, {43, 3, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const QRect at = Swatch(c.number)->geometry();
        EXPECT_EQ(at.x(), Swatch(c.sameColumnAs)->x());
        EXPECT_GT(at.y(), Swatch(c.rowBelow)->geometry().bottom());
    }
    // Each row holds five consecutive numbers, whichever way they run; the last row three.
    for (int first = 1; first <= 41; first += 5) {
        SCOPED_TRACE(first);
        for (int n = first + 1; n < std::min(first + 5, 44); ++n) EXPECT_EQ(Swatch(n)->y(), Swatch(first)->y());
    }
}

TEST_F(ColorPanelTest, MadeColoursFillTheUserSwatchesInRotation)
{
    made = {0x112233, std::nullopt, 0x445566, 0x778899, 0xAABBCC};
    for (int i = 0; i < 5; ++i) MakeColour();
    EXPECT_EQ(Press(41), 0xAABBCCu) << "the fourth colour comes round to the first user swatch";
    EXPECT_EQ(Press(42), 0x445566u) << "a cancelled dialog does not move the rotation";
    EXPECT_EQ(Press(43), 0x778899u);
    EXPECT_EQ(Press(1), 0x000000u);
}

TEST_F(ColorPanelTest, LeftDragMovesThePaletteAndARightClickHidesIt)
{
    QWidget window;
    window.resize(600, 600);
    auto* palette = new ColorPanel({}, &window);
    palette->move(10, 10);
    window.show();
    const QPoint background(2, 2);
    ASSERT_EQ(palette->childAt(background), nullptr);

    QTest::mousePress(palette, Qt::LeftButton, {}, background);
    QTest::mouseMove(palette, background + QPoint(15, 25));
    QTest::mouseRelease(palette, Qt::LeftButton, {}, background + QPoint(15, 25));
    EXPECT_EQ(palette->pos(), QPoint(25, 35));

    QWidget* swatch = palette->findChild<QWidget*>(QStringLiteral("Shape8"));
    QTest::mouseClick(swatch, Qt::RightButton, {}, swatch->rect().center());
    EXPECT_FALSE(palette->isVisible()) << "a right click on a swatch hides the palette too";
}

}  // namespace
}  // namespace vantro
