#include "data/numeric.h"

#include <charconv>
#include <string>

double numericValue(QStringView text)
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
        return 0.0;
    // from_chars, unlike strtod, does not follow the user's locale: "." is
    // always the decimal point.
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return negative ? -value : value;
}
