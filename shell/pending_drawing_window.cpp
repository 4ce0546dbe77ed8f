#include "shell/pending_drawing_window.h"

#include "shell/window_menu.h"

namespace plotaris {

PendingDrawingWindow::PendingDrawingWindow(FormId id) : FormWindow(id, QStringLiteral("PLOTARIS"), {1016, 714}) {
    installWindowMenu(*this);
}

}  // namespace plotaris
