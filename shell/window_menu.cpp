#include "shell/window_menu.h"

#include "app/form_window.h"

namespace plotaris {

void installWindowMenu(FormWindow&) {}

}  // namespace plotaris
