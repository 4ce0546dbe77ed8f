// Lets the system deliver what it queued (activations, repaints) and deletes the windows that
// were left, as the event loop would between two actions of the user.
#pragma once

#include <QCoreApplication>
#include <QEvent>

namespace plotaris::testing {

inline void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace plotaris::testing
