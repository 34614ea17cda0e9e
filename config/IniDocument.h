// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a settings file in the INI format, read and edited line by
// line so that a write changes only the line it concerns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbil {

class IniDocument {
public:
    // Longest value a read returns; longer values are cut.
    static constexpr size_t MaxValueLength = 2047;

    static IniDocument Parse(std::string_view text);

    // The value of key in section, without surrounding blanks and cut to
    // MaxValueLength; nullopt when the section or the key is missing.
    // Section and key names match without regard to letter case.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the key's line, or adds the key at the end of its section, or
    // adds the section with the key at the end.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    struct Line {
        std::string text;
        std::string eol;  // the line's own ending, kept so untouched lines stay byte for byte
        // Parsed view of the line: a section header, a key line, or other.
        enum class Kind { Other, Section, Key } kind = Kind::Other;
        std::string name;   // section or key name, trimmed
        std::string value;  // key value, trimmed
    };

    static Line Classify(std::string text);
    Line NewLine(std::string text) const;
    // Gives the last line an ending before something is added after it.
    void TerminateLastLine();
    // Index of the first header line of section, or npos.
    size_t FindSection(std::string_view section) const;

    std::vector<Line> lines_;
    std::string eol_ = "\n";  // ending for added lines: the file's first one
};

}  // namespace zorbil
