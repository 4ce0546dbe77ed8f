// Opens a fresh polar or parametric window for each test, with dialogs the test answers, and
// reads the pixels of its canvas at places given in the frame's user units.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <cmath>
#include <ostream>
#include <type_traits>
#include <vector>

#include "canvas/picture_area.h"
#include "curves/form3.h"
#include "curves/form4.h"
#include "tests/support/scripted_dialogs.h"
#include "windows/window_registry.h"

// Texts in failure reports as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace plotaris::testing {

inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kWhite = 0xFFFFFFFFu;
inline constexpr QRgb kCurveBlue = 0xFF0000FFu;
inline constexpr QRgb kRed = 0xFFFF0000u;

template <class Form>
constexpr FormId formIdOf() {
    return std::is_same_v<Form, Form3> ? FormId::Form3 : FormId::Form4;
}

template <class Form>
class CurveWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = static_cast<Form*>(WindowRegistry::instance().show(formIdOf<Form>()));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    canvas::PictureArea& canvas() const { return *form->canvas->picture; }
    const QImage& image() const { return form->canvas->picture->image(); }
    // The pixel that holds the point (x, y) of the frame's scale (the axes leave the canvas in it).
    // A point far beyond the canvas gives a place just as far outside it.
    QPoint pixel(double x, double y) const {
        constexpr double kFar = 1e6;
        const QPoint outside(-int(kFar), -int(kFar));
        if (!(std::fabs(x) < kFar && std::fabs(y) < kFar)) return outside;
        const QPointF p = canvas().toPixels(float(x), float(y));
        if (!(std::fabs(p.x()) < kFar && std::fabs(p.y()) < kFar)) return outside;
        return {int(std::floor(p.x())), int(std::floor(p.y()))};
    }
    QRgb at(double x, double y) const {
        const QPoint p = pixel(x, y);
        return image().valid(p) ? image().pixel(p) : 0;
    }
    // How many pixels of the colour lie in the rectangle (in pixels); the whole canvas by default.
    int count(QRgb colour, QRect r = {}) const {
        r = r.isNull() ? image().rect() : r.intersected(image().rect());
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += image().pixel(x, y) == colour;
        return n;
    }
    // Pixels of another colour than the background (text is drawn smooth, in shades).
    int ink(QRect r) const {
        r = r.intersected(image().rect());
        return r.width() * r.height() - count(canvas().backColor().rgb(), r);
    }
    // Whether the colour shows at the point or at a pixel next to it.
    bool near(double x, double y, QRgb colour) const {
        return count(colour, QRect(pixel(x, y) - QPoint(1, 1), QSize(3, 3))) > 0;
    }
    // Draws the curve the boxes hold.
    void draw() {
        if constexpr (std::is_same_v<Form, Form3>) form->DesenharPolares_Click();
        else form->DesenharParamétricas_Click();
    }
    // A point of the default curve: a petal's tip of the rose r = 5 sin 6t, or the point at
    // t = pi/4 of the ellipse (2 cos t, 3 sin t).
    QPointF onDefaultCurve() const {
        if constexpr (std::is_same_v<Form, Form3>) return {5 * std::cos(M_PI / 12), 5 * std::sin(M_PI / 12)};
        else return {2 * std::cos(M_PI / 4), 3 * std::sin(M_PI / 4)};
    }
    bool defaultCurveShows(QRgb colour = kCurveBlue) const {
        const QPointF p = onDefaultCurve();
        return near(p.x(), p.y(), colour);
    }
    // The message texts shown so far.
    std::vector<QString> messages() const { return dialogs.messageTexts(); }

    ScriptedDialogs dialogs;
    Form* form = nullptr;
};

using Form3Test = CurveWindowTest<Form3>;
using Form4Test = CurveWindowTest<Form4>;

}  // namespace plotaris::testing
