#include "app/window_factory.h"

#include "app/window_registry.h"
#include "cartesian/form1.h"

namespace plotaris {

void registerWindows() {
    auto& registry = WindowRegistry::instance();
    registry.setFactory(FormId::Form7, [] { return new FormWindow(FormId::Form7, QStringLiteral("PLOTARIS"), {1016, 714}); });
    registry.setFactory(FormId::Form1, [] { return new Form1; });
}

}  // namespace plotaris
