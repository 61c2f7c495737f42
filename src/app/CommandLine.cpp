#include "app/CommandLine.h"

#include "print/Paper.h"

#include <charconv>

namespace vantro {
namespace {

bool ParseSize(const std::string& text, int& width, int& height)
{
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    const char* begin = text.data();
    const auto [widthEnd, widthError] = std::from_chars(begin, begin + x, width);
    const auto [heightEnd, heightError] = std::from_chars(begin + x + 1, begin + text.size(), height);
    const bool whole = widthEnd == begin + x && heightEnd == begin + text.size();
    // Large enough for a poster, small enough that the picture's memory stays reasonable.
    return widthError == std::errc() && heightError == std::errc() && whole && width >= 16 && height >= 16 &&
           width <= 16384 && height <= 16384;
}

}  // namespace

std::string UsageText()
{
    return "使い方:\n"
           "  vantrocad [FILE.dca]                      画面を開きます\n"
           "  vantrocad --convert IN OUT [--size WxH]   図面を変換します (IN: .dca .dxf, OUT: .dca .dxf .png .bmp .pdf)\n"
           "  --scale F --paper A4 --landscape            PDF を F 倍 (0.0099〜100) で A1〜A5, B4, B5 の用紙に印刷します\n"
           "  --visible-only                            DXF 出力に表示レイヤーのみを書きます\n"
           "  vantrocad --info FILE                     図面の内容を表示します\n"
           "  vantrocad --script SCRIPT [FILE.dca]      コマンドスクリプトを画面なしで実行します\n"
           "  --program-folder DIR                      設定ファイルのフォルダーを指定します\n"
           "  --help                                    この説明を表示します\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    auto fail = [&line](std::string message) {
        line.Error = std::move(message);
        return line;
    };
    std::vector<std::string> plain;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--help" || argument == "-h") {
            line.What = CommandLine::Action::Help;
        } else if (argument == "--convert") {
            if (i + 2 >= arguments.size()) return fail("--convert には入力と出力のファイルが必要です");
            line.What = CommandLine::Action::Convert;
            line.Input = arguments[++i];
            line.Output = arguments[++i];
        } else if (argument == "--script") {
            if (!hasValue) return fail("--script にはスクリプトファイルが必要です");
            line.What = CommandLine::Action::Script;
            line.Script = arguments[++i];
        } else if (argument == "--info") {
            if (!hasValue) return fail("--info にはファイルが必要です");
            line.What = CommandLine::Action::Info;
            line.Input = arguments[++i];
        } else if (argument == "--size") {
            if (!hasValue || !ParseSize(arguments[i + 1], line.Width, line.Height))
                return fail("--size は 幅x高さ (16〜16384) で指定して下さい");
            ++i;
        } else if (argument == "--scale") {
            const FactorReading factor = hasValue ? ReadPrintFactor(arguments[i + 1]) : FactorReading{};
            if (!factor.Factor) return fail("--scale は 0.0099〜100 の数値で指定して下さい");
            line.Scale = *factor.Factor;
            ++i;
        } else if (argument == "--paper") {
            if (!hasValue || PaperNamed(arguments[i + 1]) == nullptr)
                return fail("--paper は A1 A2 A3 A4 A5 B4 B5 のいずれかで指定して下さい");
            line.Paper = arguments[++i];
        } else if (argument == "--landscape") {
            line.Landscape = true;
        } else if (argument == "--visible-only") {
            line.VisibleOnly = true;
        } else if (argument == "--program-folder") {
            if (!hasValue) return fail("--program-folder にはフォルダーが必要です");
            line.ProgramFolder = arguments[++i];
        } else if (argument.starts_with("--")) {
            return fail("不明なオプションです: " + argument);
        } else {
            plain.push_back(argument);
        }
    }
    if (plain.empty() || line.What == CommandLine::Action::Help) return line;
    if (line.What == CommandLine::Action::Window) {
        line.Input = plain.front();
    } else if (line.What == CommandLine::Action::Script && plain.size() == 1) {
        line.Input = plain.front();
    } else {
        return fail("余分な引数です: " + plain.back());
    }
    return line;
}

}  // namespace vantro
