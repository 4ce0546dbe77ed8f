// The mouse pointer shapes the windows set on themselves and on their canvases.
#pragma once

class QWidget;

namespace plotaris::platform {

enum class MousePointer { Default = 0, Cross = 2, Hourglass = 11 };

// Sets the pointer over the widget (and over its children that set none of their own).
void setMousePointer(QWidget* widget, MousePointer shape);
MousePointer mousePointer(const QWidget* widget);

}  // namespace plotaris::platform
