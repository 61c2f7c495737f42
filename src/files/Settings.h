// Every preference of the settings file, held as values with their defaults. The settings file
// fills it at start-up; the window reads it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantro {

// The values a decimal setting may take, the same in the settings file and in the dialogs.
struct FloatRange {
    double Min = 0;
    double Max = 0;
};
inline constexpr FloatRange kDimensionLengthRange{0, 1000};  // arrow length, extension, text offset, mm
inline constexpr FloatRange kTextHeightRange{0.1, 1000};      // dimension text height, mm
inline constexpr FloatRange kPrinterFactorRange{0.01, 100};   // printer correction factors
inline constexpr FloatRange kGridPitchRange{0.01, 100000};    // grid pitch, mm

struct Settings {
    // "Cad"
    std::array<std::string, 96> LayerNames{};  // "RyarName"n, CP932
    uint32_t Color1 = 0;                       // current drawing colour
    int DimPit = 2;
    int ArrowPatern = 0;
    bool DimCenter = true;
    std::array<bool, 9> Snap{};  // "Snap1".."Snap9"
    bool RiteClick = false;
    bool Trimdelete = true;
    bool DaenChk = false;
    bool PejeChk = false;
    bool OfsetPatern = true;
    bool OfsetErr1 = true;
    bool OfsetErr2 = true;
    bool SnapChk = false;
    bool WClick = false;
    int Pick = 6;
    int Pick2 = 6;
    int Undo = 10;
    int Timer = 0;
    int PejeValue = 10;
    uint32_t Color3 = 0x0000FF;
    int EpsIndex = 3;
    double ArrowLength = 2;
    double ArrowHeight = 1;
    double ArrowOffset = 1;
    double Textheight = 12;
    std::string DimTextName = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック
    uint32_t TextColor = 0;
    uint32_t Color2 = 0xFF0000;
    int Precision = 3;
    bool DimRChk = true;
    bool Dim0Chk = true;
    bool DimTextOfset = false;
    std::string TextName = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
    int TextDlgHeight = 0;  // 0: "Textheight" rounded
    int TextDlgColor = 0;   // item of the text dialog's colour list
    int TextDlgFont = -1;   // item of its font list; -1 keeps "TextName"
    bool IconFlat = true;
    bool ReyDlgClose = false;
    double GridPit = 10;
    int GridCountX = 20;
    int GridCountY = 20;
    int Patern = 0;
    uint32_t GridColor = 0;
    int GridPit2 = 5;

    // "File"
    std::string CadFolder;  // "cad"
    std::string DxfFolder;  // "dxf"
    bool SetSW = false;
    bool Wav = false;
    std::array<std::string, 6> RecentFiles{};  // "File7".."File12"

    // "Edit"
    uint32_t FormColor = 0xC0C0C0;

    // "Paper"
    int Width2 = 3;  // sheet index
    int Senter = 4;  // reference position
    int Wheel = 4;

    // "Form"
    std::string Posi = "L";

    // "Printer"
    bool LineWidth = true;
    bool ColorNox = false;
    int ColorChk = 0;
    bool Op1 = true;
    double HoseiX = 1;
    double HoseiY = 1;

    // "Para": the ten system parameters
    int Bunkatu = 180;
    int Hani = 50;
    int LineWid = 3;
    int Mado = 10;
    int CadMax = 50000;
    int DimWid = 1;
    int Set600 = 0;
    int ClsChk = 0;
    int Os = 98;

    bool operator==(const Settings&) const = default;
};

}  // namespace vantro
