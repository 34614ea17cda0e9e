// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/IniInteger.h"

namespace zorbil {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string_view digits, int32_t& value)
{
    if (digits.empty() || digits.size() > 8)
        return false;
    uint32_t v = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return false;
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    value = static_cast<int32_t>(v);
    return true;
}

bool ParseDecimal(std::string_view text, int32_t& value)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > limit)
            return false;
    }
    value = static_cast<int32_t>(negative ? -v : v);
    return true;
}

}  // namespace

bool ParseIniInteger(std::string_view text, int32_t& value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return ParseHex(text.substr(2), value);
    if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X'))
        return ParseHex(text.substr(1), value);
    return ParseDecimal(text, value);
}

}  // namespace zorbil
