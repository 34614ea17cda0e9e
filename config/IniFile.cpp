// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/IniFile.h"

#include <sys/stat.h>

#include <fstream>
#include <optional>
#include <sstream>

#include "config/AtomicFile.h"
#include "config/IniDocument.h"

namespace zorbil {

namespace {

// nullopt when the file exists but cannot be read; empty when it is missing.
std::optional<std::string> Slurp(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::string();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return text.str();
}

}  // namespace

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue)
{
    const auto text = Slurp(path);
    if (!text)
        return std::string(defaultValue);
    return IniDocument::Parse(*text).Get(section, key).value_or(std::string(defaultValue));
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value)
{
    const auto text = Slurp(path);
    if (!text)
        return false;  // never overwrite a file whose content we could not read
    IniDocument doc = IniDocument::Parse(*text);
    doc.Set(section, key, value);
    return ReplaceFileAtomically(path, doc.Text());
}

}  // namespace zorbil
