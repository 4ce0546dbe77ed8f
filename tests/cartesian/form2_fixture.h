// Opens a fresh sections window for each test, with dialogs the test answers, and reads the
// pixels of its canvas.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>

#include "canvas/graph_canvas.h"
#include "canvas/picture_area.h"
#include "cartesian/form2.h"
#include "tests/support/canvas_pixels.h"
#include "tests/support/scripted_dialogs.h"
#include "windows/window_registry.h"

namespace plotaris::testing {

inline constexpr QRgb kRed = 0xFFFF0000u;

class Form2Test : public ::testing::Test, public CanvasPixels {
protected:
    void SetUp() override {
        form = static_cast<Form2*>(WindowRegistry::instance().show(FormId::Form2));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    canvas::PictureArea& canvas() const override { return *form->canvas->picture; }

    // The texts of section i: expression and limits (nullptr leaves a box as it is).
    void setSection(int i, const char* expression, const char* xmin = nullptr, const char* xmax = nullptr,
                    const char* ymin = nullptr, const char* ymax = nullptr) {
        TroçoControls& t = form->troço(i);
        const auto set = [](QLineEdit* box, const char* text) {
            if (text) box->setText(QString::fromUtf8(text));
        };
        set(t.Troço1, expression);
        set(t.Xmín, xmin);
        set(t.Xmáx, xmax);
        set(t.Ymín, ymin);
        set(t.Ymáx, ymax);
    }
    void setAxes(const char* xmin, const char* xmax, const char* ymin = "-12", const char* ymax = "12") {
        form->axisBoxes.Xmin->setText(QString::fromUtf8(xmin));
        form->axisBoxes.Xmax->setText(QString::fromUtf8(xmax));
        form->axisBoxes.Ymin->setText(QString::fromUtf8(ymin));
        form->axisBoxes.Ymax->setText(QString::fromUtf8(ymax));
    }
    // The extra-line colour, chosen in its dialog.
    void chooseLineColour(const QColor& colour) {
        dialogs.colorAnswers = {colour};
        form->CorDasLinhas_Click();
    }

    ScriptedDialogs dialogs;
    Form2* form = nullptr;
};

}  // namespace plotaris::testing
