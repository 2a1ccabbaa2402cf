#include "data/numeric.h"
#include "fuzz.h"

#include <QRegularExpression>

#include <cmath>

// Any text has a value, never NaN; digits alone, however many, are at least
// 1 unless all are 0; a leading minus turns the sign of the number that
// follows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = textOf(data, size);
    const double value = numericValue(text);
    require(!std::isnan(value));
    static const QRegularExpression digits(QStringLiteral("^[0-9]*[1-9][0-9]*$"));
    if (digits.match(text).hasMatch())
        require(value >= 1);
    if (!text.isEmpty() && text.at(0).isDigit() && text.at(0).unicode() < 128)
        require(numericValue(u'-' + text) == -value);
    return 0;
}
