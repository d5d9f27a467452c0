// Token matching for the date masks.
#include "export/file_name.h"

#include <array>
#include <cstdint>

namespace corvane {
namespace {

enum class Field { Year4, Year2, Month, Day, Hour, Minute, Second };

struct Token {
    std::string_view text;  // lower case
    Field field;
};

// Longer tokens first, so "%yyyy" is never read as "%yy" followed by "yy".
constexpr std::array kTokens = {
    Token{"%yyyy", Field::Year4}, Token{"%yy", Field::Year2},  Token{"%mm", Field::Month},
    Token{"%dd", Field::Day},     Token{"%hh", Field::Hour},   Token{"%ii", Field::Minute},
    Token{"%ss", Field::Second},
};

constexpr char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (size_t i = 0; i < lowerPrefix.size(); ++i) {
        if (LowerAscii(text[i]) != lowerPrefix[i]) return false;
    }
    return true;
}

int32_t ValueOf(Field field, const LocalTime& t) {
    switch (field) {
        case Field::Year4: return t.year;
        case Field::Year2: return t.year % 100;
        case Field::Month: return t.month;
        case Field::Day: return t.day;
        case Field::Hour: return t.hour;
        case Field::Minute: return t.minute;
        case Field::Second: return t.second;
    }
    return 0;
}

// At least `digits` digits, zero-padded on the left.
void AppendPadded(std::string& out, int32_t value, size_t digits) {
    std::string number = std::to_string(value);
    if (number.size() < digits) out.append(digits - number.size(), '0');
    out += number;
}

}  // namespace

std::string FormatDateMask(std::string_view mask, const LocalTime& t) {
    std::string out;
    size_t at = 0;
    while (at < mask.size()) {
        const std::string_view rest = mask.substr(at);
        const Token* match = nullptr;
        if (rest.front() == '%') {
            for (const Token& token : kTokens) {
                if (StartsWithIgnoringCase(rest, token.text)) {
                    match = &token;
                    break;
                }
            }
        }
        if (!match) {
            out += rest.front();
            ++at;
            continue;
        }
        AppendPadded(out, ValueOf(match->field, t), match->field == Field::Year4 ? 4 : 2);
        at += match->text.size();
    }
    return out;
}

std::string ExportFileName(const LocalTime& date, const LocalTime& time) {
    std::string name = FormatDateMask(kExportDateMask, date);
    name += kExportNameMiddle;
    name += FormatDateMask(kExportTimeMask, time);
    name += kExportExtension;
    return name;
}

}  // namespace corvane
