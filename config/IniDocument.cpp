// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/IniDocument.h"

#include <algorithm>

namespace zorbil {

namespace {

constexpr size_t npos = std::string::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

IniDocument::Line IniDocument::Classify(std::string text)
{
    Line line;
    const std::string_view t = Trim(text);
    if (!t.empty() && t.front() == '[') {
        const size_t close = t.find(']');
        if (close != npos) {
            line.kind = Line::Kind::Section;
            line.name = std::string(Trim(t.substr(1, close - 1)));
        }
    } else if (const size_t eq = t.find('='); eq != npos) {
        line.kind = Line::Kind::Key;
        line.name = std::string(Trim(t.substr(0, eq)));
        line.value = std::string(Trim(t.substr(eq + 1)));
    }
    line.text = std::move(text);
    return line;
}

IniDocument IniDocument::Parse(std::string_view text)
{
    IniDocument doc;
    const size_t firstNl = text.find('\n');
    if (firstNl != npos && firstNl > 0 && text[firstNl - 1] == '\r')
        doc.eol_ = "\r\n";
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        std::string_view raw = text.substr(start, end == npos ? npos : end - start);
        // A carriage return before the line feed, or ending the file, is part
        // of the line's ending, never of its text.
        std::string eol;
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
            eol = "\r";
        }
        if (end != npos)
            eol += '\n';
        Line line = Classify(std::string(raw));
        line.eol = std::move(eol);
        doc.lines_.push_back(std::move(line));
        if (end == npos)
            break;
        start = end + 1;
    }
    return doc;
}

IniDocument::Line IniDocument::NewLine(std::string text) const
{
    Line line = Classify(std::move(text));
    line.eol = eol_;
    return line;
}

void IniDocument::TerminateLastLine()
{
    if (lines_.empty())
        return;
    std::string& eol = lines_.back().eol;
    if (eol.empty())
        eol = eol_;
    else if (eol == "\r")
        eol = "\r\n";
}

size_t IniDocument::FindSection(std::string_view section) const
{
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Kind::Section && SameName(lines_[i].name, section))
            return i;
    return npos;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    const size_t header = FindSection(section);
    if (header == npos)
        return std::nullopt;
    for (size_t i = header + 1; i < lines_.size() && lines_[i].kind != Line::Kind::Section; ++i)
        if (lines_[i].kind == Line::Kind::Key && SameName(lines_[i].name, key))
            return lines_[i].value.substr(0, MaxValueLength);
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    Line written = NewLine(std::string(key) + "=" + std::string(value));
    const size_t header = FindSection(section);
    if (header == npos) {
        TerminateLastLine();
        // Appended rather than "[" + ...: GCC 12 takes a prepend to a string
        // for an overlapping copy (-Wrestrict).
        lines_.push_back(NewLine(std::string("[").append(section).append("]")));
        lines_.push_back(std::move(written));
        return;
    }
    size_t lastFilled = header;
    for (size_t i = header + 1; i < lines_.size() && lines_[i].kind != Line::Kind::Section; ++i) {
        if (lines_[i].kind == Line::Kind::Key && SameName(lines_[i].name, key)) {
            written.eol = lines_[i].eol;
            lines_[i] = std::move(written);
            return;
        }
        if (!Trim(lines_[i].text).empty())
            lastFilled = i;
    }
    if (lastFilled + 1 == lines_.size())
        TerminateLastLine();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), std::move(written));
}

std::string IniDocument::Text() const
{
    std::string out;
    for (const Line& line : lines_)
        out += line.text + line.eol;
    return out;
}

}  // namespace zorbil
