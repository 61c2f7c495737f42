#include "app/Headless.h"

#include "document/CadData.h"
#include "document/ElementStore.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "files/DrawingFile.h"
#include "files/FileSystem.h"
#include "print/PrintJob.h"
#include "view/BitmapFiles.h"
#include "view/DrawingImage.h"
#include "view/PaintPreferences.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

namespace vantro {
namespace {

std::string LowerExtension(const std::string& path)
{
    std::string extension = PathFromUtf8(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// A DXF input goes through the same import as the window's DXF command; what it left out is told
// on errors without failing the conversion, and its dimension sizes become the drawing's style.
bool ReadDxfInput(const std::string& path, Drawing& drawing, DrawingFileSettings& file, std::ostream& errors)
{
    const DxfImportResult result = ImportDxf(PathFromUtf8(path), drawing, DxfImportOptions{});
    if (!result.Ok) {
        errors << "VantroCad: " << path << ": " << result.Message << '\n';
        return false;
    }
    for (const std::string& note : DxfImportNotes(result)) errors << "VantroCad: " << path << ": " << note << '\n';
    if (result.DimensionStyle) TakeDxfDimensionStyle(*result.DimensionStyle, file);
    return true;
}

bool ReadInput(const std::string& path, Drawing& drawing, DrawingFileSettings& file, std::ostream& errors,
               bool allowDxf)
{
    const std::string extension = LowerExtension(path);
    if (allowDxf && extension == kDxfExtension) return ReadDxfInput(path, drawing, file, errors);
    if (extension != kDrawingFileExtension) {
        errors << "VantroCad: 入力は .dca" << (allowDxf ? " または .dxf" : "") << " ファイルを指定して下さい: " << path
               << '\n';
        return false;
    }
    const ReadResult result = ReadDrawingFile(PathFromUtf8(path), drawing, file);
    if (result.SkippedElements > 0)
        errors << "VantroCad: " << path << ": " << SkippedElementsMessage(result.SkippedElements) << '\n';
    if (result.Ok) return true;
    errors << "VantroCad: " << path << ": " << result.Message << '\n';
    return false;
}

// Encoded in memory and written as drawings are: a failed write, a full disk among them, keeps the
// previous file, and a read-only one is refused.
bool SaveImage(const QImage& image, const std::string& path, const char* format, std::ostream& errors)
{
    const std::filesystem::path target = PathFromUtf8(path);
    if (IsReadOnlyFile(target)) {
        errors << "VantroCad: " << path << ": " << kReadOnlyFileMessage << '\n';
        return false;
    }
    if (SaveImageAtomically(image, target, format)) return true;
    errors << "VantroCad: " << path << ": " << kWriteFailedMessage << '\n';
    return false;
}

}  // namespace

int RunConvert(const CommandLine& line, const Settings& preferences, std::ostream& errors)
{
    Drawing drawing;
    drawing.Capacity = kMaxCapacity;
    // What a DXF input does not carry comes from the settings, as when the window saves it.
    DrawingFileSettings file;
    file.BackgroundColor = preferences.FormColor;
    TakeStyleFromSettings(preferences, file);
    if (!ReadInput(line.Input, drawing, file, errors, true)) return 1;
    LoadImageEntries(drawing.Images, file.Images);
    // As the window opens a drawing: its own dimension and text style, a DXF file's dimension sizes,
    // unless "SetSW" says not to.
    Settings converted = preferences;
    const std::string extension = LowerExtension(line.Input);
    if (!converted.SetSW && (extension == kDrawingFileExtension || extension == kDxfExtension))
        ApplyStyleToSettings(file, converted);
    const OutputOptions options{line.Width,     line.Height,    line.VisibleOnly,
                                 line.Scale,     line.Paper,     line.Landscape,
                                 Utf8FromPath(PathFromUtf8(line.Input).filename())};
    return WriteConverted(line.Output, drawing, file, converted, options, errors) ? 0 : 1;
}

bool WriteConverted(const std::string& output, const Drawing& drawing, const DrawingFileSettings& file,
                    const Settings& settings, const OutputOptions& options, std::ostream& errors)
{
    const std::string extension = LowerExtension(output);
    if (extension == kDxfExtension) {
        const DxfExportResult result = ExportDxf(PathFromUtf8(output), drawing, settings, options.VisibleOnly);
        if (result.Ok && !result.Message.empty()) errors << "VantroCad: " << output << ": " << result.Message << '\n';
        if (result.Ok) return true;
        errors << "VantroCad: " << output << ": " << result.Message << '\n';
        return false;
    }
    if (extension == kDrawingFileExtension) {
        const WriteResult result = WriteDrawingFile(PathFromUtf8(output), drawing, file);
        if (result.Ok) return true;
        errors << "VantroCad: " << output << ": " << result.Message << '\n';
        return false;
    }
    PaintSettings paint = PaintSettingsFrom(settings);
    paint.FillsShown = file.FillDisplay.value_or(false);
    if (extension == ".pdf") {
        const PdfRequest request{PaperNamed(options.Paper), options.Landscape, options.Scale};
        return PrintToPdf(output, drawing, paint, PrintOptionsFrom(settings), request,
                          QString::fromStdString(options.Caption), errors);
    }
    if (extension != ".png" && extension != ".bmp") {
        errors << "VantroCad: 出力の形式が分かりません (.dca .dxf .png .bmp .pdf): " << output << '\n';
        return false;
    }
    const int sheet = file.DrawingRange.value_or(settings.Width2);
    const QImage image = RenderFitted(drawing, paint, sheet, options.Width, options.Height);
    return SaveImage(image, output, extension == ".png" ? "PNG" : "BMP", errors);
}

namespace {

const char* KindWord(int8_t kind)
{
    if (IsDimension(kind)) return "寸法線";
    switch (kind) {
    case kKindLine: return "直線";
    case kKindEllipse: return "楕円";
    case kKindArc: return "円弧";
    case kKindCircle: return "円";
    case kKindPoint: return "点";
    case kKindText: return "テキスト";
    case kKindFilledRect: return "塗りつぶし四角";
    case kKindCrossCircle: return "中心線付き円";
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: return "曲線";
    default: return "不正図形";
    }
}

// The points that bound an element for the extents line.
void Extend(const TCadData& e, double& minX, double& minY, double& maxX, double& maxY)
{
    auto take = [&](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    };
    switch (e.Kind) {
    case kKindLine:
    case kKindFilledRect:
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints:
        take(e.X1, e.Y1);
        take(e.X2, e.Y2);
        break;
    case kKindArc:
    case kKindCircle:
    case kKindCrossCircle:
    case kKindEllipse:
        take(e.Cx - e.R, e.Cy - e.R);
        take(e.Cx + e.R, e.Cy + e.R);
        break;
    default:
        take(e.Cx, e.Cy);
        break;
    }
}

}  // namespace

int RunInfo(const CommandLine& line, std::ostream& out, std::ostream& errors)
{
    Drawing drawing;
    drawing.Capacity = kMaxCapacity;
    DrawingFileSettings file;
    if (!ReadInput(line.Input, drawing, file, errors, false)) return 1;
    std::map<std::string, int> byKind;
    std::map<int, int> byLayer;
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (int i = 1; i <= drawing.Count; ++i) {
        ++byKind[KindWord(drawing[i].Kind)];
        ++byLayer[drawing[i].Layer];
        Extend(drawing[i], minX, minY, maxX, maxY);
    }
    out << "ファイル: " << line.Input << "\nバージョン: " << file.Version << "\n図形数: " << drawing.Count << '\n';
    for (const auto& [kind, count] : byKind) out << "  " << kind << ": " << count << '\n';
    for (const auto& [layer, count] : byLayer) out << "  レイヤー" << layer << ": " << count << '\n';
    if (drawing.Count > 0 && minX <= maxX)
        out << "範囲: X " << minX << " 〜 " << maxX << ", Y " << minY << " 〜 " << maxY << '\n';
    return 0;
}

}  // namespace vantro
