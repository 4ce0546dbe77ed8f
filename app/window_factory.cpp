#include "app/window_factory.h"

#include "app/window_registry.h"
#include "cartesian/form1.h"
#include "shell/help_window.h"

namespace plotaris {

void registerWindows() {
    auto& registry = WindowRegistry::instance();
    registry.setFactory(FormId::Form7, [] { return new FormWindow(FormId::Form7, QStringLiteral("PLOTARIS"), {1016, 714}); });
    registry.setFactory(FormId::Form1, [] { return new Form1; });
    registry.setFactory(FormId::Form6, createInstructionsWindow);
    registry.setFactory(FormId::Form9, createSyntaxWindow);
    registry.setFactory(FormId::Form8, createFunctionsWindow);
}

}  // namespace plotaris
