#include "app/window_factory.h"

#include "app/window_registry.h"

namespace plotaris {

void registerWindows() {
    auto& registry = WindowRegistry::instance();
    registry.setFactory(FormId::Form7, [] { return new FormWindow(FormId::Form7, QStringLiteral("PLOTARIS"), {1016, 714}); });
}

}  // namespace plotaris
