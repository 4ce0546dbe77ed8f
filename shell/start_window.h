// The start window: the program's title, its version and the main menu, from which the user opens
// the drawing and help windows or ends the program.
#pragma once

#include "windows/form_window.h"

class QLabel;

namespace plotaris {

class Form7 final : public FormWindow {
    Q_OBJECT
public:
    Form7();

private:
    // The pictures of the six drawing windows, by rows: Form1, Form2, Form3, then Form4, Form10,
    // Form5.
    QLabel* Image8;
    QLabel* Image9;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image5;
    QLabel* Image3;
    QWidget* Título;
    QLabel* Label2;
    QLabel* Label5;
};

}  // namespace plotaris
