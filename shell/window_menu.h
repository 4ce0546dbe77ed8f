// The menu bar that every drawing window carries, entry by entry, with each entry's action.
#pragma once

namespace plotaris {

class FormWindow;

// Builds the menu bar of a drawing window (Form1, Form2, Form3, Form4, Form5, Form10) from its
// table; each entry's QAction has the entry's control name as objectName.
void installWindowMenu(FormWindow& window);

}  // namespace plotaris
