// Fonts and shaped texts kept from one repaint to the next: a text is shaped once per face, pixel
// height and content, and afterwards drawn from its glyphs and measured from the stored width.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace vantro {

class TextLayouts {
public:
    struct Shaped {
        std::optional<QList<QGlyphRun>> Runs;  // baseline at the font's ascent below the top
        std::optional<int> Width;
    };

    // The face at a pixel height, made without antialiasing, with its metrics.
    const QFont& Font(const QString& face, int height);
    const QFontMetrics& Metrics(const QString& face, int height);
    // The glyphs of a single-line text, drawn with their top-left corner at (0, 0).
    const QList<QGlyphRun>& Glyphs(const QString& face, int height, const QString& text);
    int Width(const QString& face, int height, const QString& text);

private:
    struct Entry {
        QString Face;
        int Height;
        QFont Made;
        QFontMetrics Metrics;
        QHash<QString, Shaped> Texts;
    };
    Entry& Find(const QString& face, int height);
    Shaped& Text(Entry& entry, const QString& text);

    std::vector<std::unique_ptr<Entry>> entries_;
    int texts_ = 0;
};

}  // namespace vantro
