// Opens a fresh comparison window for each test, with dialogs the test answers, and reads the
// pixels of its four canvases at places given in their user units.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>

#include "canvas/graph_canvas.h"
#include "canvas/picture_area.h"
#include "comparison/form10.h"
#include "tests/support/scripted_dialogs.h"
#include "windows/window_registry.h"

namespace plotaris::testing {

inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kWhite = 0xFFFFFFFFu;
// The default colours of graphs 1 .. 4.
inline constexpr QRgb kGraphColour[] = {0xFF0000FFu, 0xFF00FF00u, 0xFF00FFFFu, 0xFFFF0000u};

class Form10Test : public ::testing::Test {
protected:
    void SetUp() override {
        form = static_cast<Form10*>(WindowRegistry::instance().show(FormId::Form10));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    canvas::PictureArea& canvas(int n) const { return *form->graph(n).canvas->picture; }
    const QImage& image(int n) const { return canvas(n).image(); }
    // The pixel of canvas n that holds the point (x, y) of its user scale.
    QPoint pixel(int n, double x, double y) const {
        const QPointF p = canvas(n).toPixels(float(x), float(y));
        return {int(std::floor(p.x())), int(std::floor(p.y()))};
    }
    QRgb at(int n, QPoint p) const { return image(n).valid(p) ? image(n).pixel(p) : 0; }
    QRgb at(int n, double x, double y) const { return at(n, pixel(n, x, y)); }
    // How many pixels of the colour lie in the rectangle (in pixels) of canvas n.
    int count(int n, QRect r, QRgb colour) const {
        int found = 0;
        r = r.intersected(image(n).rect());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) found += image(n).pixel(x, y) == colour;
        return found;
    }
    int countAll(int n, QRgb colour) const { return count(n, image(n).rect(), colour); }
    // Pixels of canvas n that are not its background, in the rectangle.
    int ink(int n, QRect r) const {
        r = r.intersected(image(n).rect());
        return r.width() * r.height() - count(n, r, canvas(n).backColor().rgb());
    }
    int inkAll(int n) const { return ink(n, image(n).rect()); }

    void setAxes(const char* xmin, const char* xmax, const char* ymin = "-8", const char* ymax = "8") {
        form->axisBoxes.Xmin->setText(QString::fromUtf8(xmin));
        form->axisBoxes.Xmax->setText(QString::fromUtf8(xmax));
        form->axisBoxes.Ymin->setText(QString::fromUtf8(ymin));
        form->axisBoxes.Ymax->setText(QString::fromUtf8(ymax));
    }
    void draw(int n, const char* expression) {
        form->graph(n).Função->setText(QString::fromUtf8(expression));
        form->DesenharN_Click(n);
    }

    ScriptedDialogs dialogs;
    Form10* form = nullptr;
};

}  // namespace plotaris::testing
