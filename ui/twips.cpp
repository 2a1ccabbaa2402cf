#include "ui/twips.h"

#include <QWidget>

namespace twips {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

} // namespace twips
