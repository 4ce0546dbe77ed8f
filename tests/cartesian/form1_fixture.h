// Opens a fresh one-function window for each test, with dialogs the test answers, and reads the
// pixels of its kept image at places given in the canvas's user units.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QToolButton>
#include <cmath>

#include "windows/window_registry.h"
#include "canvas/graph_canvas.h"
#include "canvas/picture_area.h"
#include "cartesian/form1.h"
#include "tests/support/scripted_dialogs.h"

namespace plotaris::testing {

inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kWhite = 0xFFFFFFFFu;
inline constexpr QRgb kGraphBlue = 0xFF0000FFu;

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        form = static_cast<Form1*>(WindowRegistry::instance().show(FormId::Form1));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    canvas::PictureArea& canvas() const { return *form->canvas->picture; }
    const QImage& image() const { return form->canvas->picture->image(); }
    // The pixel that holds the point (x, y) of the user scale.
    QPoint pixel(double x, double y) const {
        const QPointF p = canvas().toPixels(float(x), float(y));
        return {int(std::floor(p.x())), int(std::floor(p.y()))};
    }
    QRgb at(QPoint p) const { return image().valid(p) ? image().pixel(p) : 0; }
    QRgb at(double x, double y) const { return at(pixel(x, y)); }
    // How many pixels of the colour lie in the rectangle (in pixels).
    int count(QRect r, QRgb colour) const {
        int n = 0;
        r = r.intersected(image().rect());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += image().pixel(x, y) == colour;
        return n;
    }
    // Pixels that are not the background in the rectangle.
    int ink(QRect r) const { return r.intersected(image().rect()).width() * r.intersected(image().rect()).height() - count(r, kWhite); }
    int axisRow() const { return pixel(0, 0).y(); }
    int axisColumn() const { return pixel(0, 0).x(); }

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
