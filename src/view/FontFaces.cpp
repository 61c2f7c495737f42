#include "view/FontFaces.h"

#include <QStringList>

#include <algorithm>
#include <mutex>

namespace vantro {

void InstallFontSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList gothic{"IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "VL Gothic", "Sans Serif"};
        const QStringList proportionalGothic{"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "Sans Serif"};
        const QStringList mincho{"IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "Serif"};
        const QStringList proportionalMincho{"IPAPMincho", "IPAexMincho", "Noto Serif CJK JP", "Serif"};
        for (const char* face : {"ＭＳ ゴシック", "MS Gothic", "MS UI Gothic", "Osaka－等幅", "Meiryo", "メイリオ"})
            QFont::insertSubstitutions(QString::fromUtf8(face), gothic);
        for (const char* face : {"ＭＳ Ｐゴシック", "MS PGothic", "Osaka"})
            QFont::insertSubstitutions(QString::fromUtf8(face), proportionalGothic);
        for (const char* face : {"ＭＳ 明朝", "MS Mincho"})
            QFont::insertSubstitutions(QString::fromUtf8(face), mincho);
        for (const char* face : {"ＭＳ Ｐ明朝", "MS PMincho"})
            QFont::insertSubstitutions(QString::fromUtf8(face), proportionalMincho);
    });
}

QFont FontForFace(const QString& face, int pixelHeight)
{
    InstallFontSubstitutions();
    QFont font(face);
    font.setPixelSize(std::max(1, pixelHeight));
    return font;
}

}  // namespace vantro
