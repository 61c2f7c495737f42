// Building the main window's widgets and menus.
#include "ui/MainWindow.h"

#include "document/CadData.h"
#include "ui/ButtonGlyphs.h"
#include "ui/CanvasWidget.h"
#include "ui/ElidedLabel.h"
#include "commands/ToolButtonTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantro {
namespace {

constexpr int kToolColumns = 4;
constexpr int kToolButtonSize = 30;

// The file, history and view buttons at the top of the tool panel.
struct PlainButton {
    const char* Name;
    const char* Hint;
};
constexpr PlainButton kViewButtons[] = {
    {"SpeedButtonNew1", "新規作成"}, {"SpeedButtonOpen", "ファイルを開く"},
    {"SpeedButtonSave", "名前を付けて保存"}, {"SpeedButtonSave2", "上書き保存"},
    {"SpeedButtonUNDU", "元に戻す"}, {"SpeedButtonREDU", "やり直し"},
    {"SpeedButton1", "再表示"},      {"SpeedButton10", "2倍"},       {"SpeedButton11", "1/2"},
    {"SpeedButton9", "前画面"},      {"SpeedButton8", "標準表示"},   {"SpeedButtonFit", "図形にフィット"},
    {"SpeedButton3", "範囲拡大"},    {"SpeedButton0", "中止"},       {"SpeedButtonOp", "OP"},
    {"SpeedButton20", ""},
};
// The print buttons, after the drawing commands: they trigger the menu's print items.
constexpr PlainButton kPrintButtons[] = {
    {"SpeedButtonPrint1", "実寸で印刷"},
    {"SpeedButton24", "画面表示と同じに印刷"},
};

// Rows whose buttons live on the pop-up panel PanelOp.
bool IsOnPanelOp(const ToolButtonRow& row) { return row.Preset == ToolPreset::OnPanelOp; }

QLineEdit* MakeEntryField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(110);
    field->hide();
    return field;
}

}  // namespace

QAction* TForm1::AddAction(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QToolButton* TForm1::AddToolButton(const QString& name, const QString& hint, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(kToolButtonSize, kToolButtonSize);
    button->setIcon(ToolButtonGlyph(name));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(settings_.IconFlat);
    button->setCheckable(true);
    toolButtons_[name] = button;
    return button;
}

void TForm1::BuildToolPanel()
{
    auto* panel = new QFrame(centralWidget());
    panel->setObjectName(QStringLiteral("PanelCad"));
    panelCad_ = panel;
    auto* grid = new QGridLayout(panel);
    grid->setSpacing(1);
    grid->setContentsMargins(2, 2, 2, 2);
    toolGroup_ = new QButtonGroup(this);
    toolGroup_->setExclusive(true);
    int cell = 0;
    auto place = [&](QToolButton* button) {
        grid->addWidget(button, cell / kToolColumns, cell % kToolColumns);
        ++cell;
    };
    for (const PlainButton& plain : kViewButtons) place(AddToolButton(plain.Name, plain.Hint, panel));
    panelOp_ = new QFrame(this);
    panelOp_->setObjectName(QStringLiteral("PanelOp"));
    panelOp_->setFrameShape(QFrame::Box);
    auto* opLayout = new QHBoxLayout(panelOp_);
    opLayout->setContentsMargins(2, 2, 2, 2);
    panelOp_->hide();
    for (const ToolButtonRow& row : ToolButtonRows()) {
        QToolButton* button = AddToolButton(row.Name, QString::fromUtf8(row.Hint), IsOnPanelOp(row) ? panelOp_ : panel);
        toolGroup_->addButton(button);
        if (IsOnPanelOp(row)) opLayout->addWidget(button);
        else place(button);
        // Buttons with a right-button variant act on mouse-down; the others on click.
        if (row.Right != RightButton::Click) button->installEventFilter(this);
        else connect(button, &QToolButton::clicked, this, [this, &row] { PressToolButton(row, false); });
    }
    for (const PlainButton& plain : kPrintButtons) {
        QToolButton* button = AddToolButton(plain.Name, QString::fromUtf8(plain.Hint), panel);
        button->setCheckable(false);
        place(button);
    }
    for (const char* name : {"SpeedButton0", "SpeedButtonOp"}) toolGroup_->addButton(toolButtons_[name]);
    for (const char* name : {"SpeedButtonNew1", "SpeedButtonOpen", "SpeedButtonSave", "SpeedButtonSave2",
                             "SpeedButtonUNDU", "SpeedButtonREDU", "SpeedButton1", "SpeedButton10", "SpeedButton11",
                             "SpeedButton9", "SpeedButton8", "SpeedButtonFit", "SpeedButton3", "SpeedButton20"})
        toolButtons_[name]->setCheckable(false);
    speedButtonOp_ = toolButtons_["SpeedButtonOp"];
    speedButtonOp_->setText(QStringLiteral("OP"));
    undoButton_ = toolButtons_["SpeedButtonUNDU"];
    redoButton_ = toolButtons_["SpeedButtonREDU"];
    undoButton_->setEnabled(false);
    redoButton_->setEnabled(false);
    BuildRealTimeDisplay(*grid);
    grid->setRowStretch(grid->rowCount(), 1);
    static_cast<QHBoxLayout*>(centralWidget()->layout())->insertWidget(0, panel);
}

// "RTP" and the three labels that show the element under the mouse while it is down, in a box as
// wide as the button grid, so the tool panel keeps its width whatever the values.
void TForm1::BuildRealTimeDisplay(QGridLayout& grid)
{
    QWidget* panel = grid.parentWidget();
    rtpButton_ = AddToolButton(QStringLiteral("SpeedButtonRTP"), QStringLiteral("リアルタイムプロパティー"), panel);
    rtpButton_->setText(QStringLiteral("RTP"));
    auto* box = new QWidget(panel);
    box->setFixedWidth(kToolColumns * kToolButtonSize + (kToolColumns - 1) * grid.spacing());
    auto* rows = new QGridLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < labelRial_.size(); ++i) {
        labelRial_[i] = new QLabel(box);
        labelRial_[i]->setObjectName(QStringLiteral("LabelRial%1").arg(i + 1));
        labelRial_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    rows->addWidget(rtpButton_, 0, 0);
    rows->addWidget(labelRial_[2], 0, 1);
    rows->addWidget(labelRial_[0], 1, 0);
    rows->addWidget(labelRial_[1], 1, 1);
    rows->setColumnStretch(1, 1);
    grid.addWidget(box, grid.rowCount(), 0, 1, kToolColumns);
    connect(rtpButton_, &QToolButton::toggled, this, [this](bool down) {
        if (down) return;
        for (QLabel* label : labelRial_) label->clear();
    });
}

void TForm1::BuildEntryFields()
{
    auto* bar = new QWidget(centralWidget());
    bar->setObjectName(QStringLiteral("PanelEntry"));
    entryRow_ = new QHBoxLayout(bar);
    entryRow_->setContentsMargins(4, 2, 4, 2);
    editX_ = MakeEntryField(QStringLiteral("EditX"), bar);
    editY_ = MakeEntryField(QStringLiteral("EditY"), bar);
    editR_ = MakeEntryField(QStringLiteral("EditR"), bar);
    labelX_ = new QLabel(QStringLiteral("X"), bar);
    labelY_ = new QLabel(QStringLiteral("Y"), bar);
    labelR_ = new QLabel(QStringLiteral("R"), bar);
    labelR_->setObjectName(QStringLiteral("LabelR"));
    for (auto [label, field] : {std::pair{labelX_, editX_}, std::pair{labelY_, editY_}, std::pair{labelR_, editR_}}) {
        label->hide();
        entryRow_->addWidget(label);
        entryRow_->addWidget(field);
    }
    for (QLineEdit* field : {editX_, editY_, editR_}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::returnPressed, this, [this, field] { EnterPressed(field); });
    }
    labelRayer_ = new QLabel(bar);
    labelRayer_->setObjectName(QStringLiteral("LabelRayer"));
    labelRayer_->setFrameShape(QFrame::Panel);
    labelRayer_->setMinimumWidth(120);
    labelRayer_->installEventFilter(this);
    entryRow_->addStretch(1);
    entryRow_->addWidget(new QLabel(QStringLiteral("レイヤー"), bar));
    entryRow_->addWidget(labelRayer_);
    // The row keeps its height whichever fields a step shows, so the canvas below never moves.
    bar->setFixedHeight(std::max(editX_->sizeHint().height(), labelRayer_->sizeHint().height()) + 8);
    static_cast<QVBoxLayout*>(canvas_->parentWidget()->layout())->insertWidget(0, bar);
}

void TForm1::BuildSnapPanel()
{
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName(QStringLiteral("PanelSnap"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 4, 2);
    const char* captions[] = {"端点", "交点", "中点", "中心", "点", "1/4円", "垂直点", "近接点", "中心(円周)"};
    for (int n = 1; n <= 9; ++n) {
        auto* box = new QCheckBox(QString::fromUtf8(captions[n - 1]), panel);
        box->setObjectName(QStringLiteral("CheckBoxSnap%1").arg(n));
        box->setChecked(settings_.Snap[static_cast<size_t>(n - 1)]);
        row->addWidget(box);
        snapBoxes_[static_cast<size_t>(n - 1)] = box;
    }
    auto addBox = [&](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), panel);
        box->setObjectName(QString::fromUtf8(name));
        row->addWidget(box);
        return box;
    };
    checkBoxLock2_ = addBox("CheckBoxLock2", "ロック");
    checkBoxInt_ = addBox("CheckBox_Int", "整数");
    checkBoxGrp_ = addBox("CheckBoxGrp", "ｸﾞﾙｰﾌﾟﾁｪｯｸ");
    checkBoxLock_ = addBox("CheckBoxLock", "半径固定");
    checkBoxCrCenter_ = addBox("CheckBoxCrCenter", "中心線");
    checkBoxLock_->hide();
    checkBoxCrCenter_->hide();
    for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::clicked, this, [this] { FocusEntry(lastEntryField_); });
    }
    connect(checkBoxLock2_, &QCheckBox::toggled, this, [this](bool locked) {
        for (QCheckBox* box : snapBoxes_) box->setEnabled(!locked);
    });
    row->addStretch(1);
    static_cast<QVBoxLayout*>(canvas_->parentWidget()->layout())->insertWidget(1, panel);
}

void TForm1::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    // The widths are minimums: the read-outs must hold the longest text they can show in this font.
    const int widths[] = {130, 75, 75, 160, 80};
    const QString longest[] = {QStringLiteral("ｻｲｽﾞ100000x3000"), QStringLiteral("@X-100000.000"),
                               QStringLiteral("@Y-100000.000"), QStringLiteral("303"), QString()};
    for (int i = 0; i < 5; ++i) {
        statusPanels_[i] = i == 4 ? new ElidedLabel(bar) : new QLabel(bar);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels_[i]->setFrameShape(QFrame::Panel);
        statusPanels_[i]->setFrameShadow(QFrame::Sunken);
        const int needed = statusPanels_[i]->fontMetrics().horizontalAdvance(longest[i]) + 12;
        statusPanels_[i]->setMinimumWidth(std::max(widths[i], needed));
        if (i < 4) statusPanels_[i]->setFixedWidth(std::max(widths[i], needed));
        bar->addWidget(statusPanels_[i], i == 4 ? 1 : 0);
    }
    statusPanels_[0]->installEventFilter(this);
    panelCad2_ = new QWidget(bar);
    panelCad2_->setObjectName(QStringLiteral("Panelcad2"));
    panelCad2_->setFocusPolicy(Qt::StrongFocus);
    auto* row = new QHBoxLayout(panelCad2_);
    row->setContentsMargins(0, 0, 0, 0);
    lineTypeCombo_ = new QComboBox(panelCad2_);
    lineTypeCombo_->setObjectName(QStringLiteral("ComboBox1"));
    for (const LineTypeChoice& choice : kLineTypeChoices) lineTypeCombo_->addItem(QString::fromUtf8(choice.Caption));
    lineTypeCombo_->setFocusPolicy(Qt::NoFocus);
    connect(lineTypeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        attributes_.LineStyle = kLineTypeChoices[static_cast<size_t>(index)].Style;
        attributes_.Width = kLineTypeChoices[static_cast<size_t>(index)].Width;
    });
    shapeDefColor_ = new QLabel(panelCad2_);
    shapeDefColor_->setObjectName(QStringLiteral("ShapeDefColor"));
    shapeDefColor_->setFixedSize(36, 18);
    shapeDefColor_->setFrameShape(QFrame::Box);
    shapeDefColor_->installEventFilter(this);
    row->addWidget(lineTypeCombo_);
    row->addWidget(shapeDefColor_);
    bar->addPermanentWidget(panelCad2_);
    panelMsg_ = new QLabel(this);
    panelMsg_->setObjectName(QStringLiteral("PanelMsg"));
    panelMsg_->setFrameShape(QFrame::Box);
    panelMsg_->setAutoFillBackground(true);
    panelMsg_->setStyleSheet(QStringLiteral("background: #FFFFE0; padding: 6px;"));
    panelMsg_->hide();
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setSingleShot(true);
    timer2_->setInterval(1500);
    connect(timer2_, &QTimer::timeout, panelMsg_, &QWidget::hide);
}

}  // namespace vantro
