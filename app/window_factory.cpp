#include "app/window_factory.h"

#include "windows/window_registry.h"
#include "cartesian/form1.h"
#include "cartesian/form2.h"
#include "comparison/form10.h"
#include "curves/form3.h"
#include "curves/form4.h"
#include "curves/form5.h"
#include "shell/help_window.h"
#include "shell/start_window.h"

namespace plotaris {

void registerWindows() {
    auto& registry = WindowRegistry::instance();
    registry.setFactory(FormId::Form7, [] { return new Form7; });
    registry.setFactory(FormId::Form1, [] { return new Form1; });
    registry.setFactory(FormId::Form2, [] { return new Form2; });
    registry.setFactory(FormId::Form3, [] { return new Form3; });
    registry.setFactory(FormId::Form4, [] { return new Form4; });
    registry.setFactory(FormId::Form5, [] { return new Form5; });
    registry.setFactory(FormId::Form10, [] { return new Form10; });

    registry.setFactory(FormId::Form6, createInstructionsWindow);
    registry.setFactory(FormId::Form9, createSyntaxWindow);
    registry.setFactory(FormId::Form8, createFunctionsWindow);
}

}  // namespace plotaris
