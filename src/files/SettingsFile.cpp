#include "files/SettingsFile.h"

#include "files/FileSystem.h"
#include "files/ProgramFiles.h"
#include "files/SettingsKeys.h"
#include "geometry/Primitives.h"

#include <charconv>
#include <cmath>

namespace vantro {

// "0.##": at most two decimals, without trailing zeros or a trailing point; halves round away
// from zero as the status bar's "0.##" does (2.125 gives 2.13). Beyond 1e12 a hundredth is near
// the spacing of doubles, and the exact value is rounded instead.
std::string FormatUpToTwoDecimals(double value)
{
    const double rounded = std::abs(value) < 1e12 ? std::round(value * 100) / 100 : value;
    char buffer[400];  // room for the largest double in fixed notation
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 2);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

namespace {

std::string FormatFloat(double value, FloatText format)
{
    switch (format) {
    case FloatText::UpToTwoDecimals:
        return FormatUpToTwoDecimals(value);
    case FloatText::ShortNumber:
        return FormatNumber(value);
    case FloatText::Shortest:
        break;
    }
    return FormatIniFloat(value);
}

class Reader {
public:
    Reader(const IniStore& store, SettingsReadResult& result) : store_(store), result_(result) {}

    void operator()(const SettingsKey& key, int& field, IntRange range)
    {
        if (const auto value = Checked(store_.ReadInteger(key.Section, key.Name, field), key))
            field = std::clamp(*value, range.Min, range.Max);
    }
    void operator()(const SettingsKey& key, uint32_t& field, IntRange range)
    {
        int value = static_cast<int>(field);
        (*this)(key, value, range);
        field = static_cast<uint32_t>(value);
    }
    void operator()(const SettingsKey& key, bool& field, Flag)
    {
        if (const auto value = Checked(store_.ReadBool(key.Section, key.Name, field), key)) field = *value;
    }
    void operator()(const SettingsKey& key, double& field, FloatValue kind)
    {
        if (const auto value = Checked(store_.ReadFloat(key.Section, key.Name, field), key))
            field = std::clamp(*value, kind.Range.Min, kind.Range.Max);
    }
    template <typename Kind>
    void operator()(const SettingsKey& key, std::string& field, Kind)
    {
        if (result_.Ok) field = store_.ReadString(key.Section, key.Name, field);
    }
    void operator()(const SettingsKey& key, int& field, Parameter parameter)
    {
        const std::string* text = Present(key);
        const std::optional<int32_t> value = text != nullptr ? ParseIniInteger(*text) : std::nullopt;
        if (value) field = parameter.Valid != nullptr ? parameter.Valid(*value) : *value;
    }
    void operator()(const SettingsKey& key, int& field, ArcMethod)
    {
        if (const std::string* text = Present(key))
            field = *text == std::to_string(kArcMethodSegments) ? kArcMethodSegments : kArcMethodNative;
    }

private:
    // Null once reading has stopped, so no later key is taken.
    const std::string* Present(const SettingsKey& key) const
    {
        return result_.Ok ? store_.Find(key.Section, key.Name) : nullptr;
    }

    // The first value of the wrong kind stops the reading; nothing is taken after it.
    template <typename T>
    std::optional<T> Checked(std::optional<T> value, const SettingsKey& key)
    {
        if (!result_.Ok) return std::nullopt;
        if (!value) result_ = {false, std::string(key.Section), key.Name};
        return value;
    }

    const IniStore& store_;
    SettingsReadResult& result_;
};

class Writer {
public:
    Writer(IniStore& store, SettingsWriter writer) : store_(store), writer_(writer) {}

    void operator()(const SettingsKey& key, const int& field, IntRange) { WriteNumber(key, field); }
    void operator()(const SettingsKey& key, const int& field, Parameter) { WriteNumber(key, field); }
    void operator()(const SettingsKey& key, const int& field, ArcMethod) { WriteNumber(key, field); }
    void operator()(const SettingsKey& key, const uint32_t& field, IntRange)
    {
        WriteNumber(key, static_cast<int32_t>(field));
    }
    void operator()(const SettingsKey& key, const bool& field, Flag)
    {
        if (Mine(key)) store_.WriteBool(key.Section, key.Name, field);
    }
    void operator()(const SettingsKey& key, const double& field, FloatValue kind)
    {
        if (Mine(key)) store_.WriteString(key.Section, key.Name, FormatFloat(field, kind.Format));
    }
    void operator()(const SettingsKey& key, const std::string& field, Text)
    {
        if (Mine(key)) store_.WriteString(key.Section, key.Name, field);
    }
    void operator()(const SettingsKey& key, const std::string& field, PanelSide)
    {
        if (Mine(key)) store_.WriteString(key.Section, key.Name, field == "L" ? "L" : "R");
    }

private:
    bool Mine(const SettingsKey& key) const { return key.Writer == writer_; }
    void WriteNumber(const SettingsKey& key, int32_t value)
    {
        if (Mine(key)) store_.WriteInteger(key.Section, key.Name, value);
    }

    IniStore& store_;
    SettingsWriter writer_;
};

void WriteKeysOf(SettingsWriter writer, const Settings& settings, IniStore& store)
{
    Writer visit(store, writer);
    ForEachSettingsKey(settings, visit);
}

}  // namespace

SettingsReadResult ReadSettings(const IniStore& store, Settings& settings)
{
    settings = Settings{};
    SettingsReadResult result;
    Reader visit(store, result);
    ForEachSettingsKey(settings, visit);
    return result;
}

void WriteSettings(const Settings& settings, IniStore& store) { WriteKeysOf(SettingsWriter::Dialogs, settings, store); }

void WriteLayerNames(const Settings& settings, IniStore& store)
{
    WriteKeysOf(SettingsWriter::LayerPanel, settings, store);
}

void WriteExitSettings(const Settings& settings, IniStore& store)
{
    WriteKeysOf(SettingsWriter::ProgramEnd, settings, store);
}

void WriteTextDialogSettings(const Settings& settings, IniStore& store)
{
    WriteKeysOf(SettingsWriter::TextDialog, settings, store);
}

namespace {

std::string Quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

// Why a settings file that is there was not read; empty when it was.
std::string UnreadReason(IniLoadStatus status)
{
    switch (status) {
    case IniLoadStatus::Unreadable: return "を読み込めませんでした";
    case IniLoadStatus::TooLarge: return "は大きすぎるため読み込めませんでした";
    case IniLoadStatus::NotText: return "はテキストではないため読み込めませんでした";
    case IniLoadStatus::Loaded:
    case IniLoadStatus::Missing: break;
    }
    return {};
}

}  // namespace

SettingsFileLoad LoadSettingsFile(const std::filesystem::path& path, Settings& settings)
{
    settings = Settings{};
    IniStore store;
    const IniLoadStatus status = store.Load(path);
    if (const std::string reason = UnreadReason(status); !reason.empty())
        return {false, "設定ファイル" + Quoted(path) + reason + "。標準の設定で続けます。このファイルは上書きしません。"};
    const SettingsReadResult result = ReadSettings(store, settings);
    if (result.Ok) return {};
    return {true, "設定ファイルが異常です！再設定して終了するか、ファイル" + Quoted(path) +
                      "を一旦削除してください。\r\n（[" + result.Section + "] の " + result.Key + "）"};
}

std::string StoreSettingsFile(const std::filesystem::path& path, void (*write)(const Settings&, IniStore&),
                              const Settings& settings)
{
    IniStore store;
    const IniLoadStatus status = store.Load(path);
    if (const std::string reason = UnreadReason(status); !reason.empty())
        return "設定ファイル" + Quoted(path) + reason + "。設定は保存しませんでした。";
    write(settings, store);
    if (store.Save(path)) return {};
    return "設定ファイル" + Quoted(path) + "に設定を保存できませんでした。";
}

std::filesystem::path ProgramFolder(const std::filesystem::path& executableDir,
                                    const std::filesystem::path& overrideDir)
{
    if (!overrideDir.empty()) return overrideDir;
    if (IsWritableFolder(executableDir) && !IsInstalledCopy(executableDir)) return executableDir;
    return UserFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder)
{
    return FindFileIgnoringCase(programFolder, kSettingsFileName);
}

}  // namespace vantro
