#include "data/numeric.h"

#include <charconv>
#include <cmath>
#include <string>

double numericValue(QStringView text)
{
    return leadingNumber(text).value_or(0.0);
}

std::optional<double> leadingNumber(QStringView text)
{
    std::string number;
    bool negative = false;
    bool signSeen = false;
    bool digitSeen = false;
    bool pointSeen = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u' ' || c == u'\t')
            continue;
        if ((c == u'+' || c == u'-') && !signSeen && !digitSeen && !pointSeen) {
            signSeen = true;
            negative = c == u'-';
        } else if (c >= u'0' && c <= u'9') {
            digitSeen = true;
            number += char(c);
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digitSeen)
        return std::nullopt;
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
