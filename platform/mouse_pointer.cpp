#include "platform/mouse_pointer.h"

#include <QWidget>

namespace plotaris::platform {

void setMousePointer(QWidget* widget, MousePointer shape) {
    switch (shape) {
        case MousePointer::Default: widget->unsetCursor(); break;
        case MousePointer::Cross: widget->setCursor(Qt::CrossCursor); break;
        case MousePointer::Hourglass: widget->setCursor(Qt::WaitCursor); break;
    }
}

MousePointer mousePointer(const QWidget* widget) {
    if (!widget->testAttribute(Qt::WA_SetCursor)) return MousePointer::Default;
    switch (widget->cursor().shape()) {
        case Qt::CrossCursor: return MousePointer::Cross;
        case Qt::WaitCursor: return MousePointer::Hourglass;
        default: return MousePointer::Default;
    }
}

}  // namespace plotaris::platform
