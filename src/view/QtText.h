// The one pair of helpers through which CP932 texts of the model reach the screen and come back.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantro {

QString ToQString(std::string_view cp932);
std::string ToCp932(const QString& text);

}  // namespace vantro
