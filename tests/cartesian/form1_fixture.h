// Opens a fresh one-function window for each test, with dialogs the test answers, and reads the
// pixels of its canvas.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QToolButton>

#include "windows/window_registry.h"
#include "canvas/graph_canvas.h"
#include "canvas/picture_area.h"
#include "cartesian/form1.h"
#include "tests/support/canvas_pixels.h"
#include "tests/support/scripted_dialogs.h"

namespace plotaris::testing {

class Form1Test : public ::testing::Test, public CanvasPixels {
protected:
    void SetUp() override {
        form = static_cast<Form1*>(WindowRegistry::instance().show(FormId::Form1));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    canvas::PictureArea& canvas() const override { return *form->canvas->picture; }

    void setAxes(const char* xmin, const char* xmax, const char* ymin = "-12", const char* ymax = "12") {
        form->axisBoxes.Xmin->setText(QString::fromUtf8(xmin));
        form->axisBoxes.Xmax->setText(QString::fromUtf8(xmax));
        form->axisBoxes.Ymin->setText(QString::fromUtf8(ymin));
        form->axisBoxes.Ymax->setText(QString::fromUtf8(ymax));
    }
    void draw(const char* expression) {
        form->Função->setText(QString::fromUtf8(expression));
        form->DesenharGráfico_Click();
    }

    ScriptedDialogs dialogs;
    Form1* form = nullptr;
};

}  // namespace plotaris::testing
