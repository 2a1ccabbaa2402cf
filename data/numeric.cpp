#include "data/numeric.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

double numericValue(QStringView text)
{
    return leadingNumber(text).value_or(0.0);
}

std::optional<double> leadingNumber(QStringView text)
{
    // The numeric characters first, and the digits as a whole number while
    // no "." has come: the usual case, a few digits, needs no more.
    bool negative = false;
    bool signSeen = false;
    int digits = 0;
    qsizetype point = -1;
    qsizetype end = 0;
    std::uint64_t whole = 0;
    for (; end < text.size(); ++end) {
        const char16_t c = text[end].unicode();
        if (c == u' ' || c == u'\t')
            continue;
        if ((c == u'+' || c == u'-') && !signSeen && digits == 0 && point < 0) {
            signSeen = true;
            negative = c == u'-';
        } else if (c >= u'0' && c <= u'9') {
            ++digits;
            whole = whole * 10 + (c - u'0');
        } else if (c == u'.' && point < 0) {
            point = end;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // Up to 19 digits and no fraction, the number is exact as an integer,
    // and rounds to the same double as its text does.
    if (point < 0 && digits <= 19)
        return negative ? -double(whole) : double(whole);

    std::string number;
    for (const QChar ch : text.first(end)) {
        if (ch != u' ' && ch != u'\t' && ch != u'+' && ch != u'-')
            number += char(ch.unicode());
    }
    // from_chars, unlike strtod, does not follow the user's locale: "." is
    // always the decimal point.
    double value = 0.0;
    const auto [last, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too many digits for a double: a whole part beyond its range is
        // infinitely large, never 0; a fraction below its range is 0.
        const bool wholePartNonZero = number.find_first_of("123456789") < number.find('.');
        value = wholePartNonZero ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}
