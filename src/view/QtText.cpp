#include "view/QtText.h"

#include "document/Cp932.h"

namespace vantro {

QString ToQString(std::string_view cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

std::string ToCp932(const QString& text) { return Utf8ToCp932(text.toStdString()); }

}  // namespace vantro
