// Paper sizes the print commands know, the scaled paper of a scaled print, and the typed factor.
#pragma once

#include <QPageSize>

#include <optional>
#include <string>

namespace vantro {

// Millimetres; Height is the vertical size of the page as printed.
struct PaperSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const PaperSize&) const = default;
};

// The sizes of the paper dialog, listed long side first: A1, A2, A3, A4, A5, B4, B5.
struct NamedPaper {
    const char* Name;
    QPageSize::PageSizeId Id;
    PaperSize Size;
};
extern const NamedPaper kNamedPapers[7];

// The paper of a page size the printer reports (A2..A5, B4, B5), long side first; none for any
// other size, which the paper dialog then asks for.
std::optional<PaperSize> PaperOfPageSize(QPageSize::PageSizeId id);
// "A4", "b5" ...: the named paper, or none.
const NamedPaper* PaperNamed(const std::string& name);
// Portrait pages are taller than wide.
PaperSize Oriented(PaperSize longSideFirst, bool landscape);
// The paper in world millimetres of a print scaled by factor: each side Round(side / factor), so
// that a smaller paper prints the drawing larger.
PaperSize ScaledPaper(PaperSize paper, double factor);

// The typed factor of "倍率指定": 0.0099..100.
inline constexpr double kSmallestPrintFactor = 0.0099;
inline constexpr double kLargestPrintFactor = 100;
inline constexpr const char* kFactorUnreadableMessage = "数値が不正です";
inline constexpr const char* kFactorOutOfRangeMessage = "数値が範囲外です";
struct FactorReading {
    std::optional<double> Factor;
    const char* Message = nullptr;  // when Factor is empty
};
FactorReading ReadPrintFactor(const std::string& text);

}  // namespace vantro
