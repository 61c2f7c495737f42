#include "ui/LayerPanel.h"

#include "ui/PanelMover.h"
#include "view/QtText.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

namespace vantro {
namespace {

struct FilterEntry {
    const char* ObjectName;
    const char* Caption;
    bool KindFilters::*Flag;
};

constexpr FilterEntry kFilters[] = {
    {"CheckBox_Li", "直線", &KindFilters::Lines},      {"CheckBox_Ri", "円弧", &KindFilters::Arcs},
    {"CheckBox_Po", "点", &KindFilters::Points},       {"CheckBox_Dm", "寸法", &KindFilters::Dimensions},
    {"CheckBox_Tx", "TEXT", &KindFilters::Texts},      {"CheckBox_Gr", "ｸﾞﾙｰﾌﾟ", &KindFilters::Groups},
};

constexpr int kFilterColumns = 3;
constexpr int kLockBoxOffset = 20;  // the lock box of row r is CheckBoxR(r + 20)
constexpr int kNameWidth = 120;

enum RowColumn { kNumberColumn, kNameColumn, kVisibleColumn, kLockedColumn, kActiveColumn };

template <typename Widget> Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

void AddButton(QWidget* parent, QBoxLayout& layout, const char* name, const char* caption,
               std::function<void()> clicked)
{
    auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), QString::fromLatin1(name));
    QObject::connect(button, &QPushButton::clicked, parent, std::move(clicked));
    layout.addWidget(button);
}

void SetCheckedIfDifferent(QAbstractButton& button, bool checked)
{
    if (button.isChecked() != checked) button.setChecked(checked);
}

}  // namespace

LayerPanel::LayerPanel(Drawing& drawing, UserDialogs& dialogs, LayerPanelCallbacks callbacks, QWidget* parent)
    : QFrame(parent), drawing_(drawing), dialogs_(dialogs), callbacks_(std::move(callbacks))
{
    setObjectName(QStringLiteral("PanelReyar"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    new PanelMover(*this);

    tabs_ = Named(new QTabBar(this), QStringLiteral("TabControlRey"));
    for (int tab = 1; tab <= kLayerTabs; ++tab) tabs_->addTab(QString::number(tab));
    connect(tabs_, &QTabBar::currentChanged, this, [this] { RefreshRows(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(BuildRows());
    layout->addLayout(BuildButtons());
    layout->addLayout(BuildFilters());
    auto* bottom = new QHBoxLayout;
    AddButton(this, *bottom, "ButtonSave", "保存", [this] { SaveNames(); });
    AddButton(this, *bottom, "ButtonClose", "閉じる", [this] { Close(); });
    layout->addLayout(bottom);
    BuildMenu();
    Refresh();
}

QLayout* LayerPanel::BuildRows()
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(QStringLiteral("表示"), this), 0, kVisibleColumn);
    grid->addWidget(new QLabel(QStringLiteral("ロック"), this), 0, kLockedColumn);
    for (int row = 1; row <= kLayersPerTab; ++row) BuildRow(row, *grid);
    return grid;
}

void LayerPanel::BuildRow(int row, QGridLayout& grid)
{
    Row& r = rows_[static_cast<size_t>(row - 1)];
    r.Number = Named(new QLabel(this), QStringLiteral("LabelRey%1").arg(row));
    r.Name = Named(new QLineEdit(this), QStringLiteral("Edit%1").arg(row));
    r.Visible = Named(new QCheckBox(this), QStringLiteral("CheckBoxR%1").arg(row));
    r.Locked = Named(new QCheckBox(this), QStringLiteral("CheckBoxR%1").arg(row + kLockBoxOffset));
    r.Active = Named(new QRadioButton(this), QStringLiteral("RadioButton%1").arg(row));
    // Exclusivity is the table's: no radio is checked while the active layer is on another tab.
    r.Active->setAutoExclusive(false);
    r.Name->setFixedWidth(kNameWidth);
    r.Name->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(r.Active, &QRadioButton::clicked, this, [this, row] { SelectActive(row); });
    connect(r.Visible, &QCheckBox::clicked, this, [this, row](bool on) { ClickVisible(row, on); });
    connect(r.Locked, &QCheckBox::clicked, this, [this, row](bool on) { ClickLocked(row, on); });
    connect(r.Name, &QLineEdit::textEdited, this, [this, row](const QString& text) { EditName(row, text); });
    connect(r.Name, &QLineEdit::customContextMenuRequested, this,
            [this, row, edit = r.Name](const QPoint& at) { NameMenu(row)->popup(edit->mapToGlobal(at)); });
    const std::array<QWidget*, 5> parts{r.Number, r.Name, r.Visible, r.Locked, r.Active};
    for (QWidget* part : parts) part->installEventFilter(this);

    grid.addWidget(r.Number, row, kNumberColumn, Qt::AlignRight);
    grid.addWidget(r.Name, row, kNameColumn);
    grid.addWidget(r.Visible, row, kVisibleColumn, Qt::AlignCenter);
    grid.addWidget(r.Locked, row, kLockedColumn, Qt::AlignCenter);
    grid.addWidget(r.Active, row, kActiveColumn, Qt::AlignCenter);
}

QLayout* LayerPanel::BuildButtons()
{
    auto* buttons = new QHBoxLayout;
    AddButton(this, *buttons, "Button5", "全表", [this] { ShowAll(); });
    hideOthers_ = Named(new QToolButton(this), QStringLiteral("SpeedButtonReyHide"));
    hideOthers_->setText(QStringLiteral("全消"));
    hideOthers_->setCheckable(true);
    connect(hideOthers_, &QToolButton::clicked, this, [this](bool down) { HideOthers(down); });
    buttons->addWidget(hideOthers_);
    AddButton(this, *buttons, "Button6", "タ表", [this] { ShowCurrentTab(); });
    AddButton(this, *buttons, "Button7", "タ消", [this] { HideCurrentTab(); });
    return buttons;
}

QLayout* LayerPanel::BuildFilters()
{
    static_assert(std::size(kFilters) == kFilterCount);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kFilterCount; ++i) {
        const FilterEntry& entry = kFilters[i];
        auto* box = Named(new QCheckBox(QString::fromUtf8(entry.Caption), this), QString::fromLatin1(entry.ObjectName));
        connect(box, &QCheckBox::clicked, this, [this, flag = entry.Flag](bool on) {
            drawing_.Layers.Filters.*flag = on;
            TablesChanged();
        });
        grid->addWidget(box, i / kFilterColumns, i % kFilterColumns, Qt::AlignLeft);
        filters_[static_cast<size_t>(i)] = box;
    }
    return grid;
}

void LayerPanel::BuildMenu()
{
    menu_ = Named(new QMenu(this), QStringLiteral("PopupMenuRey"));
    Named(menu_->addAction(QStringLiteral("レイヤー削除"), this, [this] { DeleteLayer(); }),
          QStringLiteral("MenuLayerDelete"));
    Named(menu_->addAction(QStringLiteral("レイヤーコピー"), this,
                           [this] { BeginTransfer(PendingLayerTransfer::Kind::Copy); }),
          QStringLiteral("MenuLayerCopy"));
    Named(menu_->addAction(QStringLiteral("レイヤー移動"), this,
                           [this] { BeginTransfer(PendingLayerTransfer::Kind::Move); }),
          QStringLiteral("MenuLayerMove"));
}

void LayerPanel::Refresh()
{
    pending_.reset();
    RefreshRows();
    RefreshFilters();
}

void LayerPanel::RefreshRows()
{
    const LayerTable& layers = drawing_.Layers;
    for (int row = 1; row <= kLayersPerTab; ++row) {
        const Row& r = rows_[static_cast<size_t>(row - 1)];
        const int layer = LayerAt(row);
        r.Number->setText(QString::number(layer));
        SetCheckedIfDifferent(*r.Active, layer == layers.ActiveLayer);
        SetCheckedIfDifferent(*r.Visible, IsLayerVisible(layers, layer));
        SetCheckedIfDifferent(*r.Locked, IsLayerLocked(layers, layer));
        // Rewriting an unchanged text would move the cursor of the edit being typed in.
        const QString name = ToQString(layers.Name[static_cast<size_t>(layer - 1)]);
        if (r.Name->text() != name) r.Name->setText(name);
    }
}

void LayerPanel::RefreshFilters()
{
    for (int i = 0; i < kFilterCount; ++i)
        SetCheckedIfDifferent(*filters_[static_cast<size_t>(i)], drawing_.Layers.Filters.*kFilters[i].Flag);
}

void LayerPanel::SetTab(int tab)
{
    if (tab < 0 || tab >= kLayerTabs) return;
    if (tab == tabs_->currentIndex()) RefreshRows();
    else tabs_->setCurrentIndex(tab);  // currentChanged refreshes the rows
}

int LayerPanel::Tab() const { return tabs_->currentIndex(); }

int LayerPanel::LayerAt(int row) const { return LayerOfRow(Tab(), row); }

int LayerPanel::RowOf(const QObject* widget) const
{
    for (int row = 1; row <= kLayersPerTab; ++row) {
        const Row& r = rows_[static_cast<size_t>(row - 1)];
        if (widget == r.Number || widget == r.Name || widget == r.Visible || widget == r.Locked ||
            widget == r.Active)
            return row;
    }
    return 0;
}

QMenu* LayerPanel::NameMenu(int row)
{
    menuLayer_ = LayerAt(row);
    return menu_;
}

}  // namespace vantro
