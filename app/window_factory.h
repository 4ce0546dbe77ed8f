// Tells the window registry how each of the program's windows is made.
#pragma once

namespace plotaris {

void registerWindows();

}  // namespace plotaris
