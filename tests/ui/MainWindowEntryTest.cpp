#include "MainWindowFixture.h"

#include "ui/SnapCursors.h"

#include <QCheckBox>
#include <QCursor>

namespace vantro::testing {
namespace {

TEST_F(MainWindowTest, ASnappedClickTakesTheEndPointExactly)
{
    Find<QCheckBox>("CheckBoxSnap1")->setChecked(true);
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    ClickCanvas({500, 260});
    const TCadData first = window->Document()[1];
    const CanvasPoint end = WorldToCanvas(window->View(), first.X2, first.Y2);
    QTest::mouseMove(Canvas(), QPoint(end.X + 2, end.Y - 1));
    EXPECT_TRUE(window->Command().SnapFound);
    EXPECT_TRUE(window->PanelText(1).startsWith("@X"));
    ClickCanvas({end.X + 2, end.Y - 1});
    EXPECT_EQ(window->Command().InputPoint1, (Point{first.X2, first.Y2}));
    EXPECT_FALSE(window->Command().SnapFound) << "the click consumed the snap";
}

TEST_F(MainWindowTest, TypedPointsMoveTheMousePointerOntoThem)
{
    Press("SpeedButton17");
    auto* x = Find<QLineEdit>("EditX");
    auto* y = Find<QLineEdit>("EditY");
    for (const auto& [px, py] : {std::pair{"10", "20"}, std::pair{"-35.5", "4"}}) {
        x->setText(px);
        y->setText(py);
        QTest::keyClick(x, Qt::Key_Return);
        const CanvasPoint pixel = WorldToCanvas(window->View(), std::stod(px), std::stod(py));
        EXPECT_EQ(Canvas()->mapFromGlobal(QCursor::pos()), QPoint(pixel.X, pixel.Y)) << px;
    }
    EXPECT_EQ(window->Document().Count, 1);
}

TEST_F(MainWindowTest, EachSnapKindHasACursorOfItsOwn)
{
    std::vector<QImage> images;
    for (int number = 1; number <= 8; ++number) {
        const QCursor cursor = SnapCursor(number);
        ASSERT_FALSE(cursor.pixmap().isNull()) << number;
        EXPECT_EQ(cursor.hotSpot(), QPoint(10, 10));
        images.push_back(cursor.pixmap().toImage());
    }
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j) EXPECT_NE(images[i], images[j]) << i + 1 << " " << j + 1;
    EXPECT_TRUE(SnapCursor(0).pixmap().isNull());
}

TEST_F(MainWindowTest, TheCalculatorWritesBackAndRelativeEntryRepeats)
{
    Press("SpeedButton17");
    auto* x = Find<QLineEdit>("EditX");
    auto* y = Find<QLineEdit>("EditY");
    x->setText("12+3");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(x->text(), "15");
    EXPECT_EQ(Mode(), 17) << "a calculation is shown, not used";
    x->setText("0");
    y->setText("0");
    QTest::keyClick(x, Qt::Key_Return);
    ASSERT_EQ(Mode(), 18);
    x->setText("@10");
    y->setText("@0");
    QTest::keyClick(x, Qt::Key_Return);
    ASSERT_EQ(window->Document().Count, 1);
    EXPECT_EQ(window->Document()[1].X2, 10);
    EXPECT_EQ(x->text(), "@10") << "the offset stays for the next Enter";
    x->setText("2+3*4");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(dialogs.Messages.back(), "計算機能エラー！");
}

}  // namespace
}  // namespace vantro::testing
