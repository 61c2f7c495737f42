// The real main window, shown offscreen with a scripted dialog seam.
#pragma once

#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"
#include "ui/HatchDialog.h"
#include "ui/MainWindow.h"
#include "ui/PropertyDialog.h"
#include "ui/TextDialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vantro::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Open(Settings{}); }
    void TearDown() override
    {
        window->Document().Saved = true;
        window.reset();
    }

    void Open(Settings settings, QSize size = QSize(1280, 800))
    {
        window.reset();
        window = std::make_unique<TForm1>(std::move(settings));
        window->SetDialogs(&dialogs);
        window->SetTextDialogRunner([this](TTextDialog& dialog) {
            if (TextDialogAnswers.empty()) return false;
            const std::optional<QString> typed = TextDialogAnswers.front();
            TextDialogAnswers.pop_front();
            if (!typed) return false;
            dialog.Memo()->setPlainText(*typed);
            dialog.accept();
            return dialog.result() == QDialog::Accepted;
        });
        window->SetHatchDialogRunner([this](THathiDlg& dialog) {
            for (;;) {
                if (!HatchDialogAnswers.empty()) {
                    const std::optional<QString> pitch = HatchDialogAnswers.front();
                    HatchDialogAnswers.pop_front();
                    if (!pitch) return false;
                    dialog.PitchField()->setText(*pitch);
                }
                dialog.accept();
                if (dialog.result() == QDialog::Accepted || HatchDialogAnswers.empty()) break;
            }
            return dialog.result() == QDialog::Accepted;
        });
        // A real modal dialog would hang an offscreen test: the property dialog is cancelled unless a test says otherwise.
        window->SetPropertyRunner([](TFormPropaty&) { return false; });
        window->resize(size);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget>
    T* Find(const char* name) const
    {
        T* widget = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QWidget* Canvas() const { return Find("PaintBox1"); }
    void ClickCanvas(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(Canvas(), button, keys, at);
    }
    void Press(const char* button, Qt::MouseButton mouse = Qt::LeftButton)
    {
        QTest::mouseClick(Find<QToolButton>(button), mouse);
    }
    // The canvas pixel of a world point, and the world point of a pixel.
    QPoint PixelOf(double x, double y) const
    {
        const CanvasPoint p = WorldToCanvas(window->View(), x, y);
        return {p.X, p.Y};
    }
    Point WorldOf(QPoint pixel) const
    {
        Point p;
        CanvasToWorld(window->View(), pixel.x(), pixel.y(), p.X, p.Y);
        return p;
    }
    // The mouse moves onto the world point, so that the snap search runs there, and clicks it.
    void ClickAt(double x, double y, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseMove(Canvas(), PixelOf(x, y));
        ClickCanvas(PixelOf(x, y), button, keys);
    }
    void DragPixels(QPoint from, QPoint to)
    {
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Canvas(), (from + to) / 2);
        QTest::mouseMove(Canvas(), to);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    }
    void Drag(double x0, double y0, double x1, double y1) { DragPixels(PixelOf(x0, y0), PixelOf(x1, y1)); }
    std::vector<int> Selected() const
    {
        std::vector<int> out;
        const Drawing& d = window->Document();
        for (int i = 1; i <= d.Count; ++i)
            if (d[i].Selected == 1) out.push_back(i);
        return out;
    }
    // Types the text into the entry field (EditX, EditY, EditR) and presses Enter there.
    void EnterIn(const char* field, const QString& text)
    {
        auto* edit = Find<QLineEdit>(field);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // EditY, then EditX with Enter: a typed point.
    void TypePoint(double x, double y)
    {
        Find<QLineEdit>("EditY")->setText(QString::number(y));
        EnterIn("EditX", QString::number(x));
    }
    QString FieldText(const char* field) const { return Find<QLineEdit>(field)->text(); }
    const TCadData& Element(int index) const { return window->Document()[index]; }
    int Count() const { return window->Document().Count; }
    Drawing& Doc() { return window->Document(); }
    // Elements put in as a drawing command leaves them, with the undo history emptied; returns them.
    std::vector<TCadData> Drawn(std::initializer_list<TCadData> elements)
    {
        for (const TCadData& e : elements) AddElement(Doc(), e);
        ClearUndo(Doc());
        window->RedrawAll(true);
        return ElementsOf(Doc());
    }
    void PressButtonMulti() { QTest::mouseClick(Find<QPushButton>("ButtonMulti"), Qt::LeftButton); }

    // The undo button brings back exactly the elements before the command (deleted ones at the end), and nothing is left to undo.
    void ExpectOneUndoRestores(const std::vector<TCadData>& before)
    {
        Press("SpeedButtonUNDU");
        EXPECT_EQ(SortedById(ElementsOf(window->Document())), SortedById(before));
        EXPECT_FALSE(CanUndo(window->Document())) << "one undo step for the command";
    }

    QString Prompt() const { return window->PanelText(4); }
    int Mode() const { return window->Command().CommandMode; }

    ScriptedDialogs dialogs;
    // The text dialog's answers in order: the typed text and OK, or std::nullopt for キャンセル. None
    // left cancels.
    std::deque<std::optional<QString>> TextDialogAnswers;
    // The hatch dialog's pitches in order, each typed and OK pressed (a refused pitch takes the
    // next answer as the dialog stays), or std::nullopt for キャンセル. None left: OK as shown.
    std::deque<std::optional<QString>> HatchDialogAnswers;
    std::unique_ptr<TForm1> window;
};

}  // namespace vantro::testing
