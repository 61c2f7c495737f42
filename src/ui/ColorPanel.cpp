#include "ui/ColorPanel.h"

#include "ui/ColourSwatch.h"
#include "ui/PanelMover.h"

#include <QGridLayout>
#include <QPushButton>

namespace vantro {
namespace {

struct SwatchEntry {
    int Number;  // ShapeN
    uint32_t Colour;
};

constexpr int kColumns = 5;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kFirstUserSwatch = 41;

// In layout order, five to a row; from the third row on the numbers run right to left.
constexpr SwatchEntry kFixedSwatches[] = {
    {1, 0x000000},  {2, 0x4C4C4C},  {3, 0x808080},  {4, 0xC3C3C3},  {5, 0xFFFFFF},
    {6, 0x000080},  {7, 0x0000C4},  {8, 0x0000FF},  {9, 0x5555FF},  {10, 0x9D9DFF},
    {15, 0x008000}, {14, 0x00BD00}, {13, 0x00FF00}, {12, 0x80FF80}, {11, 0xB3FFB3},
    {20, 0x008080}, {19, 0x00C4C4}, {18, 0x00FFFF}, {17, 0x79FFFF}, {16, 0xC1FFFF},
    {25, 0x800000}, {24, 0xBD0000}, {23, 0xFF0000}, {22, 0xFF6060}, {21, 0xFFB9B9},
    {30, 0x800080}, {29, 0xA800A8}, {28, 0xFF00FF}, {27, 0xFF71FF}, {26, 0xFFB0FF},
    {35, 0x404000}, {34, 0x6A6A00}, {33, 0x808000}, {32, 0xBEBE7E}, {31, 0xE0E0C0},
    {40, 0xFF8080}, {39, 0xFFAF0B}, {38, 0xFFFF80}, {37, 0xFFFF9B}, {36, 0xF7E0CC},
};
constexpr int kFixedCount = static_cast<int>(std::size(kFixedSwatches));

}  // namespace

ColorPanel::ColorPanel(ColorPanelCallbacks callbacks, QWidget* parent)
    : QFrame(parent), callbacks_(std::move(callbacks))
{
    setObjectName(QStringLiteral("PanelColor"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    new PanelMover(*this);

    auto* grid = new QGridLayout(this);
    grid->setSpacing(3);
    const auto report = [this](uint32_t colour) {
        if (callbacks_.ColourChosen) callbacks_.ColourChosen(colour);
    };
    const auto place = [&](int number, uint32_t colour, int position) {
        auto* swatch = new ColourSwatch(colour, report, this);
        swatch->setObjectName(QStringLiteral("Shape%1").arg(number));
        grid->addWidget(swatch, position / kColumns, position % kColumns);
        return swatch;
    };
    for (int i = 0; i < kFixedCount; ++i) place(kFixedSwatches[i].Number, kFixedSwatches[i].Colour, i);
    for (int i = 0; i < static_cast<int>(userSwatches_.size()); ++i)
        userSwatches_[static_cast<size_t>(i)] = place(kFirstUserSwatch + i, kWhite, kFixedCount + i);

    auto* make = new QPushButton(QStringLiteral("色作成"), this);
    make->setObjectName(QStringLiteral("ButtonColorMake"));
    connect(make, &QPushButton::clicked, this, [this] { MakeColour(); });
    grid->addWidget(make, kFixedCount / kColumns + 1, 0, 1, kColumns);
}

void ColorPanel::MakeColour()
{
    if (!callbacks_.AskColour) return;
    const std::optional<uint32_t> colour = callbacks_.AskColour();
    if (!colour) return;
    userSwatches_[static_cast<size_t>(nextUserSwatch_)]->SetColour(*colour);
    nextUserSwatch_ = (nextUserSwatch_ + 1) % static_cast<int>(userSwatches_.size());
}

}  // namespace vantro
