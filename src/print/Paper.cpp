#include "print/Paper.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vantro {

// B4 and B5 are the Japanese sizes, 364 × 257 and 257 × 182.
const NamedPaper kNamedPapers[7] = {
    {"A1", QPageSize::A1, {840, 594}},   {"A2", QPageSize::A2, {594, 420}},   {"A3", QPageSize::A3, {420, 297}},
    {"A4", QPageSize::A4, {297, 210}},   {"A5", QPageSize::A5, {210, 148}},   {"B4", QPageSize::JisB4, {364, 257}},
    {"B5", QPageSize::JisB5, {257, 182}},
};

std::optional<PaperSize> PaperOfPageSize(QPageSize::PageSizeId id)
{
    // A1 is not among the sizes a printer's paper code names; only the dialog offers it.
    for (const NamedPaper& paper : kNamedPapers)
        if (paper.Id == id && id != QPageSize::A1) return paper.Size;
    return std::nullopt;
}

const NamedPaper* PaperNamed(const std::string& name)
{
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (const NamedPaper& paper : kNamedPapers)
        if (upper == paper.Name) return &paper;
    return nullptr;
}

PaperSize Oriented(PaperSize paper, bool landscape)
{
    if (landscape) return paper;
    return {paper.Height, paper.Width};
}

PaperSize ScaledPaper(PaperSize paper, double factor)
{
    return {static_cast<int>(std::nearbyint(paper.Width / factor)),
            static_cast<int>(std::nearbyint(paper.Height / factor))};
}

FactorReading ReadPrintFactor(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) return {std::nullopt, kFactorUnreadableMessage};
    double value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return {std::nullopt, kFactorUnreadableMessage};
    if (value < kSmallestPrintFactor || value > kLargestPrintFactor) return {std::nullopt, kFactorOutOfRangeMessage};
    return {value, nullptr};
}

}  // namespace vantro
