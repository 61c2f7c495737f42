// Feeds arbitrary bytes to the INI parser and the settings reader. What the parser keeps must
// parse again to the same lines, and the settings values, once written, must read back as
// themselves and be written the same way again.
#include "files/IniStore.h"
#include "files/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace vantro;

void WriteAll(const Settings& settings, IniStore& store)
{
    WriteSettings(settings, store);
    WriteLayerNames(settings, store);
    WriteExitSettings(settings, store);
}

// The values as a second start would see them after the program wrote them.
Settings WrittenAndReadBack(const Settings& settings, const IniStore& into)
{
    IniStore store = into;
    WriteAll(settings, store);
    const IniStore reread = IniStore::Parse(store.Serialize());
    if (reread.Serialize() != store.Serialize()) std::abort();
    Settings read;
    if (!ReadSettings(reread, read).Ok) std::abort();
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // char and unsigned char may alias; the parser takes its bytes as a string.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniStore store = IniStore::Parse(bytes);
    const std::string kept = store.Serialize();
    if (IniStore::Parse(kept).Serialize() != kept) std::abort();

    Settings settings;
    ReadSettings(store, settings);
    // The first write may round floats to their written form; from then on nothing changes.
    const Settings once = WrittenAndReadBack(settings, store);
    if (WrittenAndReadBack(once, store) != once) std::abort();
    return 0;
}
