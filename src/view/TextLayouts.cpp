#include "view/TextLayouts.h"

#include "view/FontFaces.h"

#include <QTextLayout>

#include <limits>

namespace vantro {
namespace {

// Beyond these the cache starts afresh, so zooming in and out all day keeps memory bounded.
constexpr size_t kMostFonts = 64;
constexpr int kMostTexts = 50000;

QList<QGlyphRun> Shape(const QFont& font, int ascent, const QString& text)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(std::numeric_limits<int>::max() / 256);
    layout.endLayout();
    // The line puts its baseline at its own ascent; texts are drawn with it at the rounded one.
    const qreal shift = ascent - line.ascent();
    QList<QGlyphRun> runs = layout.glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions) p.ry() += shift;
        run.setPositions(positions);
    }
    return runs;
}

}  // namespace

TextLayouts::Entry& TextLayouts::Find(const QString& face, int height)
{
    for (const auto& entry : entries_)
        if (entry->Height == height && entry->Face == face) return *entry;
    if (entries_.size() >= kMostFonts) {
        entries_.clear();
        texts_ = 0;
    }
    QFont font = FontForFace(face, height);
    font.setStyleStrategy(QFont::NoAntialias);
    entries_.push_back(std::make_unique<Entry>(Entry{face, height, font, QFontMetrics(font), {}}));
    return *entries_.back();
}

TextLayouts::Shaped& TextLayouts::Text(Entry& entry, const QString& text)
{
    const auto found = entry.Texts.find(text);
    if (found != entry.Texts.end()) return *found;
    if (texts_ >= kMostTexts) {
        for (const auto& each : entries_) each->Texts.clear();
        texts_ = 0;
    }
    ++texts_;
    return entry.Texts[text];
}

const QFont& TextLayouts::Font(const QString& face, int height) { return Find(face, height).Made; }

const QFontMetrics& TextLayouts::Metrics(const QString& face, int height) { return Find(face, height).Metrics; }

const QList<QGlyphRun>& TextLayouts::Glyphs(const QString& face, int height, const QString& text)
{
    Entry& entry = Find(face, height);
    Shaped& shaped = Text(entry, text);
    if (!shaped.Runs) shaped.Runs = Shape(entry.Made, entry.Metrics.ascent(), text);
    return *shaped.Runs;
}

int TextLayouts::Width(const QString& face, int height, const QString& text)
{
    Entry& entry = Find(face, height);
    Shaped& shaped = Text(entry, text);
    if (!shaped.Width) shaped.Width = entry.Metrics.horizontalAdvance(text);
    return *shaped.Width;
}

}  // namespace vantro
