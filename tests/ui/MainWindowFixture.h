// The real main window, shown offscreen with a scripted dialog seam.
#pragma once

#include "support/ScriptedDialogs.h"
#include "ui/MainWindow.h"
#include "ui/TextDialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
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
    // The canvas pixel of a world point, clicks and window drags in world millimetres.
    QPoint Pixel(double x, double y) const
    {
        const CanvasPoint p = WorldToCanvas(window->View(), x, y);
        return {p.X, p.Y};
    }
    void ClickAt(double x, double y, Qt::KeyboardModifiers keys = {}) { ClickCanvas(Pixel(x, y), Qt::LeftButton, keys); }
    void DragPixels(QPoint from, QPoint to)
    {
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Canvas(), (from + to) / 2);
        QTest::mouseMove(Canvas(), to);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    }
    void Drag(double x0, double y0, double x1, double y1) { DragPixels(Pixel(x0, y0), Pixel(x1, y1)); }
    void Press(const char* button, Qt::MouseButton mouse = Qt::LeftButton)
    {
        QTest::mouseClick(Find<QToolButton>(button), mouse);
    }
    QString Prompt() const { return window->PanelText(4); }
    int Mode() const { return window->Command().CommandMode; }

    ScriptedDialogs dialogs;
    // The text dialog's answers in order: the typed text and OK, or std::nullopt for キャンセル. None
    // left cancels.
    std::deque<std::optional<QString>> TextDialogAnswers;
    std::unique_ptr<TForm1> window;
};

}  // namespace vantro::testing
