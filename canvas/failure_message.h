// The message a drawing shows when it meets a failure it did not check beforehand: its heading,
// two line breaks and the failure's description (an evaluator error's number is not shown).
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace plotaris::canvas {

QString failureDescription(const std::exception& failure);

// An OK-only message box with the application's title.
void showFailure(QWidget* window, const QString& heading, const std::exception& failure);

}  // namespace plotaris::canvas
