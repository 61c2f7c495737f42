#include "subwindow/SubLayerPanel.h"

#include "document/Layers.h"
#include "view/QtText.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace vantro {
namespace {

constexpr int kRows = 16;

}  // namespace

SubLayerPanel::SubLayerPanel(LayerTable& layers, SubLayerPanelCallbacks callbacks, QWidget* parent)
    : QFrame(parent), layers_(layers), callbacks_(std::move(callbacks))
{
    setObjectName(QStringLiteral("PanelReyar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* column = new QVBoxLayout(this);
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabControlRey"));
    for (int tab = 1; tab <= 6; ++tab) tabs_->addTab(QString::number(tab));
    column->addWidget(tabs_);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    for (int r = 0; r < kRows; ++r) {
        const auto row = static_cast<size_t>(r);
        numbers_[row] = new QLabel(this);
        numbers_[row]->setObjectName(QStringLiteral("LabelRey%1").arg(r + 1));
        names_[row] = new QLabel(this);
        names_[row]->setObjectName(QStringLiteral("LabelName%1").arg(r + 1));
        names_[row]->setMinimumWidth(100);
        visible_[row] = new QCheckBox(this);
        visible_[row]->setObjectName(QStringLiteral("CheckBoxR%1").arg(r + 1));
        grid->addWidget(numbers_[row], r, 0);
        grid->addWidget(names_[row], r, 1);
        grid->addWidget(visible_[row], r, 2);
        for (QWidget* hover : {static_cast<QWidget*>(names_[row]), static_cast<QWidget*>(visible_[row])})
            hover->installEventFilter(this);
        connect(visible_[row], &QCheckBox::clicked, this, [this, r](bool on) {
            layers_.Visible[static_cast<size_t>(RowLayer(r) - 1)] = on ? 1 : 0;
        });
    }
    column->addLayout(grid);
    auto* filters = new QGridLayout;
    const std::pair<const char*, const char*> names[] = {{"CheckBox_Li", "直線"}, {"CheckBox_Ri", "円弧"},
                                                         {"CheckBox_Po", "点"},   {"CheckBox_Dm", "寸法"},
                                                         {"CheckBox_Tx", "TEXT"}, {"CheckBox_Gr", "ｸﾞﾙｰﾌﾟ"}};
    bool KindFilters::*const flags[] = {&KindFilters::Lines,      &KindFilters::Arcs,  &KindFilters::Points,
                                        &KindFilters::Dimensions, &KindFilters::Texts, &KindFilters::Groups};
    for (size_t i = 0; i < filters_.size(); ++i) {
        filters_[i] = new QCheckBox(QString::fromUtf8(names[i].second), this);
        filters_[i]->setObjectName(QString::fromUtf8(names[i].first));
        filters->addWidget(filters_[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
        connect(filters_[i], &QCheckBox::clicked, this, [this, flag = flags[i]](bool on) { layers_.Filters.*flag = on; });
    }
    column->addLayout(filters);
    auto* buttons = new QHBoxLayout;
    for (const auto& [name, caption] : {std::pair{"Button5", "全表"}, std::pair{"Button1", "全消"},
                                        std::pair{"ButtonClose", "閉じる"}}) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromUtf8(name));
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    connect(findChild<QPushButton*>(QStringLiteral("Button5")), &QPushButton::clicked, this, [this] { SetAllVisible(true); });
    connect(findChild<QPushButton*>(QStringLiteral("Button1")), &QPushButton::clicked, this, [this] { SetAllVisible(false); });
    connect(findChild<QPushButton*>(QStringLiteral("ButtonClose")), &QPushButton::clicked, this, [this] {
        hide();
        if (callbacks_.Closed) callbacks_.Closed();
    });
    connect(tabs_, &QTabBar::currentChanged, this, [this] { Refresh(); });
    Refresh();
}

int SubLayerPanel::RowLayer(int row) const { return LayerOfRow(tabs_->currentIndex(), row + 1); }

void SubLayerPanel::Refresh()
{
    for (int r = 0; r < kRows; ++r) {
        const int layer = RowLayer(r);
        const auto slot = static_cast<size_t>(layer - 1);
        const auto row = static_cast<size_t>(r);
        numbers_[row]->setText(QString::number(layer));
        names_[row]->setText(ToQString(layers_.Name[slot]));
        visible_[row]->setChecked(layers_.Visible[slot] != 0);
    }
    const bool values[] = {layers_.Filters.Lines,      layers_.Filters.Arcs,  layers_.Filters.Points,
                           layers_.Filters.Dimensions, layers_.Filters.Texts, layers_.Filters.Groups};
    for (size_t i = 0; i < filters_.size(); ++i) filters_[i]->setChecked(values[i]);
}

void SubLayerPanel::SetTab(int tab)
{
    tabs_->setCurrentIndex(tab);
    Refresh();
}

void SubLayerPanel::SetAllVisible(bool visible)
{
    layers_.Visible.fill(visible ? 1 : 0);
    Refresh();
}

bool SubLayerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Enter) return QFrame::eventFilter(watched, event);
    for (int r = 0; r < kRows; ++r) {
        const auto row = static_cast<size_t>(r);
        if (watched != names_[row] && watched != visible_[row]) continue;
        const int layer = RowLayer(r);
        if (layer == previewed_) break;
        previewed_ = layer;
        if (callbacks_.PreviewLayer) callbacks_.PreviewLayer(layer);
        break;
    }
    return QFrame::eventFilter(watched, event);
}

void SubLayerPanel::leaveEvent(QEvent* event)
{
    previewed_ = 0;
    QFrame::leaveEvent(event);
}

}  // namespace vantro
