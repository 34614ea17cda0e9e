// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the settings-file reader and writer and the integer parser with
// checks of their own: a written key reads back, the text a write produces
// parses to the same values, and accepted integers survive a round trip.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/IniDocument.h"
#include "config/IniInteger.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    int32_t value = 0;
    if (zorbil::ParseIniInteger(text, value)) {
        int32_t again = 0;
        Check(zorbil::ParseIniInteger(std::to_string(value), again) && again == value);
    }

    auto doc = zorbil::IniDocument::Parse(text);
    const char* sections[] = {"Config", "options", "x"};
    const char* keys[] = {"MixRate", "speed", "Drv", "k"};
    for (const char* s : sections)
        for (const char* k : keys)
            if (auto v = doc.Get(s, k)) {
                Check(v->size() <= zorbil::IniDocument::MaxValueLength);
                zorbil::ParseIniInteger(*v, value);
            }

    doc.Set("Config", "Drv", "3");
    doc.Set("Options", "Speed", "-7");
    Check(doc.Get("config", "drv") == "3");
    Check(doc.Get("OPTIONS", "SPEED") == "-7");

    const auto reparsed = zorbil::IniDocument::Parse(doc.Text());
    for (const char* s : sections)
        for (const char* k : keys)
            Check(reparsed.Get(s, k) == doc.Get(s, k));
    return 0;
}
