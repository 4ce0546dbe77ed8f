// The fonts the windows ask for by name, and what stands in for them on this system.
#pragma once

#include <QFont>
#include <QString>

namespace plotaris::platform {

// Maps the names the windows use ("MS Sans Serif", "MS Serif", "Comic Sans MS", "Arial",
// "Times New Roman", "symbol") to installed fonts of the same kind. Call once, after the
// application object exists.
void installFontSubstitutes();

// A font by name, size in points (measured at 96 dots per inch, so layouts do not depend on the
// screen) and weight.
QFont windowFont(const QString& name, double points, bool bold = false);

// True for the font in which Latin letters show as Greek ones.
bool isSymbolFont(const QString& name);

// The text as the symbol font shows it: Latin letters become their Greek counterparts (p is π).
QString symbolText(const QString& text);

}  // namespace plotaris::platform
