#include "canvas/failure_message.h"

#include "evaluator/equation.h"
#include "platform/dialogs.h"

namespace plotaris::canvas {

QString failureDescription(const std::exception& failure) {
    if (const auto* e = dynamic_cast<const EvaluatorError*>(&failure)) return QString::fromStdString(e->description);
    return QString::fromUtf8(failure.what());
}

void showFailure(QWidget* window, const QString& heading, const std::exception& failure) {
    platform::messageBox(window, heading + QStringLiteral("\n\n") + failureDescription(failure));
}

}  // namespace plotaris::canvas
