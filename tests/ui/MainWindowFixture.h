// The real main window, shown offscreen with a scripted dialog seam.
#pragma once

#include "support/ScriptedDialogs.h"
#include "ui/HatchDialog.h"
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
