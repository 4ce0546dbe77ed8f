// The mouse pointer shapes the windows set on themselves and on their canvases.
#pragma once

class QWidget;

namespace plotaris::platform {

enum class MousePointer { Default = 0, Cross = 2, Hourglass = 11 };

// Sets the pointer over the widget (and over its children that set none of their own).
void setMousePointer(QWidget* widget, MousePointer shape);
MousePointer mousePointer(const QWidget* widget);

// Shows the shape over the widget while it lives; the default pointer comes back on every way out.
class PointerWhile {
public:
    PointerWhile(QWidget* widget, MousePointer shape) : widget_(widget) { setMousePointer(widget, shape); }
    ~PointerWhile() { setMousePointer(widget_, MousePointer::Default); }
    PointerWhile(const PointerWhile&) = delete;
    PointerWhile& operator=(const PointerWhile&) = delete;

private:
    QWidget* widget_;
};

}  // namespace plotaris::platform
