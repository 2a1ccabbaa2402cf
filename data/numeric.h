#pragma once

#include <QStringView>

#include <optional>

// The numeric value of a text: the number formed by its leading numeric
// characters. Blanks are ignored anywhere among them, a sign may lead, then
// digits with at most one "."; reading stops at the first character that
// cannot continue the number. A text with no leading number is 0.
// "02" -> 2, "2-" -> 2, "eb" -> 0, " -12" -> -12, "2 0" -> 20, "1.2.3" -> 1.2.
// A whole part too long for a double is infinitely large (with its sign).
double numericValue(QStringView text);

// The same value of a text that begins with a number, that is, whose leading
// numeric characters hold a digit; none for a text without: "", "x", "+",
// "." and "-x1" have none, "79x" is 79.
std::optional<double> leadingNumber(QStringView text);
