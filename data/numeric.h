#pragma once

#include <QStringView>

// The numeric value of a text: the number formed by its leading numeric
// characters. Blanks are ignored anywhere among them, a sign may lead, then
// digits with at most one "."; reading stops at the first character that
// cannot continue the number. A text with no leading number is 0.
// "02" -> 2, "2-" -> 2, "eb" -> 0, " -12" -> -12, "2 0" -> 20, "1.2.3" -> 1.2.
// A whole part too long for a double is infinitely large (with its sign).
double numericValue(QStringView text);
