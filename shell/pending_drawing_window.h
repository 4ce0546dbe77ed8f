// A drawing window whose own controls are not made yet: the right size and caption, and its full
// menu, so that every menu entry leads somewhere.
#pragma once

#include "windows/form_window.h"

namespace plotaris {

class PendingDrawingWindow final : public FormWindow {
    Q_OBJECT
public:
    explicit PendingDrawingWindow(FormId id);
};

}  // namespace plotaris
