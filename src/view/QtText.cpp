#include "view/QtText.h"

#include "document/Cp932.h"

#include <algorithm>

namespace vantro {

QString ToQString(std::string_view cp932)
{
    // Most texts of a drawing are plain ASCII, which CP932 keeps byte for byte; the converter is
    // opened only for the rest.
    const bool ascii =
        std::all_of(cp932.begin(), cp932.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

std::string ToCp932(const QString& text) { return Utf8ToCp932(text.toStdString()); }

}  // namespace vantro
