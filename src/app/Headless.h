// Conversions and descriptions of drawings without a window.
#pragma once

#include "app/CommandLine.h"
#include "document/Drawing.h"
#include "files/DrawingFile.h"
#include "files/Settings.h"

#include <ostream>

namespace vantro {

// Each returns the process exit code: 0 on success, 1 with a message on `errors` otherwise. No
// partial output file is ever left behind.
int RunConvert(const CommandLine& line, const Settings& settings, std::ostream& errors);
int RunInfo(const CommandLine& line, std::ostream& out, std::ostream& errors);

// Pictures are drawn fitted at this size; a DXF output may leave hidden layers out.
struct OutputOptions {
    int Width = 1600;
    int Height = 1200;
    bool VisibleOnly = false;
    // A PDF is printed at actual size times Scale on this paper.
    double Scale = 1;
    std::string Paper = "A4";
    bool Landscape = false;
    std::string Caption;  // UTF-8, printed at the top left of a PDF when "Op1" is on
};

// Writes the drawing in the format the output's extension names (.dca, .dxf, .png, .bmp, .pdf); false,
// with a message on `errors`, when it could not.
bool WriteConverted(const std::string& output, const Drawing& drawing, const DrawingFileSettings& file,
                    const Settings& settings, const OutputOptions& options, std::ostream& errors);

}  // namespace vantro
