#include "files/DrawingFile.h"

#include "document/Cp932.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace vantro {
namespace fs = std::filesystem;
namespace {

// The part after the last folder separator; files written on Windows use '\'.
std::string_view Cp932FileName(std::string_view path)
{
    size_t start = 0;
    for (size_t k = 0; k < path.size(); ++k) {
        const auto byte = static_cast<unsigned char>(path[k]);
        if (IsCp932LeadByte(byte)) ++k;
        else if (byte == '\\' || byte == '/') start = k + 1;
    }
    return path.substr(std::min(start, path.size()));
}

// Settings values beyond the float range would be undefined to convert; they saturate instead.
float ToFloat(double value)
{
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::isnan(value) ? value : std::clamp(value, -kLargest, kLargest));
}

bool IsExistingFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

void LocateImages(std::vector<ImageEntry>& images, const fs::path& drawingFolder)
{
    for (ImageEntry& entry : images) {
        if (entry.Path.empty() || IsExistingFile(Cp932ToUtf8(entry.Path))) continue;
        const std::string_view name = Cp932FileName(entry.Path);
        if (name.empty()) continue;
        const std::string candidate = (drawingFolder / Cp932ToUtf8(name)).string();
        const std::string candidateCp932 = Utf8ToCp932(candidate);
        // A folder CP932 cannot spell would not be found again from the stored path.
        if (IsExistingFile(candidate) && Cp932ToUtf8(candidateCp932) == candidate) entry.Path = candidateCp932;
    }
}

std::string SkippedElementsMessage(int count)
{
    return "不正な数値またはレイヤーを持つ図形 " + std::to_string(count) +
           " 個を読み込みませんでした。上書き保存すると、それらはファイルから失われます。";
}

std::string OverwriteQuestion(const std::string& path)
{
    return "ファイル名 " + path + " はすでに存在します上書きしますか？";
}

void TakeStyleFromSettings(const Settings& from, DrawingFileSettings& to)
{
    to.ArrowLength = ToFloat(from.ArrowLength);
    to.ArrowHeight = ToFloat(from.ArrowHeight);
    to.ArrowOffset = ToFloat(from.ArrowOffset);
    to.TextHeight = ToFloat(from.Textheight);
    to.Precision = static_cast<uint8_t>(std::clamp(from.Precision, 0, kPrecisionChoices - 1));
    to.DimensionTextColor = std::bit_cast<int32_t>(from.TextColor);
    to.DimTextName = from.DimTextName;
    to.TextName = from.TextName;
}

void ApplyStyleToSettings(const DrawingFileSettings& from, Settings& to)
{
    const auto within = [](float value, FloatRange range) { return std::clamp<double>(value, range.Min, range.Max); };
    to.ArrowLength = within(from.ArrowLength, kDimensionLengthRange);
    to.ArrowHeight = within(from.ArrowHeight, kDimensionLengthRange);
    to.ArrowOffset = within(from.ArrowOffset, kDimensionLengthRange);
    to.Textheight = within(from.TextHeight, kTextHeightRange);
    to.Precision = from.Precision;
    to.TextColor = std::bit_cast<uint32_t>(from.DimensionTextColor);
    to.DimTextName = from.DimTextName;
    to.TextName = from.TextName;
}

}  // namespace vantro
