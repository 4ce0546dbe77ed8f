// The menu bar of the start window and of every drawing window, entry by entry, with each entry's
// action.
#pragma once

namespace plotaris {

class FormWindow;

// Builds the menu bar of the window (Form7, Form1, Form2, Form3, Form4, Form5, Form10) from its
// table; every entry's QAction, and every submenu's QMenu, has the entry's control name as
// objectName. Other windows get no menu.
void installWindowMenu(FormWindow& window);

}  // namespace plotaris
