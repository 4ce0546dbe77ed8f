#include "platform/held_controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace plotaris::platform {

void letGoOfHeldControls() {
    // The release the user's hand would have given: a scroll bar held on an arrow, in its trough
    // or by its thumb stops repeating and lets go; one that is not held takes no notice.
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* bar = qobject_cast<QScrollBar*>(widget);
        if (!bar) continue;
        const QPointF inside(bar->width() / 2.0, bar->height() / 2.0);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, bar->mapToGlobal(inside), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(bar, &release);
    }
}

}  // namespace plotaris::platform
