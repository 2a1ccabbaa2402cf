#include "analysis/resulttable.h"

#include "data/dateandtime.h"
#include "data/numeric.h"

namespace resulttable {

QString distanceCaption(QStringView distance)
{
    // Adding 0 turns a "-0" into 0, which then gets its blank.
    const double metres = numericValue(distance) + 0.0;
    const QString number = QString::number(metres, 'g', 15);
    return (metres >= 0 ? QStringLiteral(" ") : QString()) + number + QStringLiteral(" meter");
}

} // namespace resulttable
