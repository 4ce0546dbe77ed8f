// Opens a fresh special-curves window for each test, with dialogs the test answers, and reads the
// pixels of its nine pictures at places given in their user units.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>

#include "canvas/picture_area.h"
#include "curves/form5.h"
#include "curves/special_families.h"
#include "tests/support/scripted_dialogs.h"
#include "windows/window_registry.h"

namespace plotaris::testing {

inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kYellow = 0xFFFFFF00u;

class Form5Test : public ::testing::Test {
protected:
    void SetUp() override {
        form = static_cast<Form5*>(WindowRegistry::instance().show(FormId::Form5));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    canvas::PictureArea& picture(int k) const { return *form->Picture2[k]; }
    const QImage& image(int k) const { return picture(k).image(); }
    // The pixel of picture k that holds the point (x, y) of its user scale.
    QPoint pixel(int k, double x, double y) const {
        const QPointF p = picture(k).toPixels(float(x), float(y));
        return {int(std::floor(p.x())), int(std::floor(p.y()))};
    }
    QRgb at(int k, double x, double y) const {
        const QPoint p = pixel(k, x, y);
        return image(k).valid(p) ? image(k).pixel(p) : 0;
    }
    // How many pixels of picture k are of that colour.
    int count(int k, QRgb colour) const {
        int n = 0;
        const QImage& im = image(k);
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) n += im.pixel(x, y) == colour;
        return n;
    }
    int area(int k) const { return image(k).width() * image(k).height(); }
    QStringList captions() const {
        QStringList all;
        for (QLabel* label : form->Label3) all << label->text();
        return all;
    }
    // A family of nine copies of one curve.
    static curves::FamíliaEspecial family(const std::string& text, double from, double to, bool limit) {
        curves::FamíliaEspecial f;
        f.Botão = "teste";
        f.LimiteRaio = limit;
        for (int k = 0; k < 9; ++k) f.Curvas[k] = {"c" + std::to_string(k), text, from, to};
        return f;
    }

    ScriptedDialogs dialogs;
    Form5* form = nullptr;
};

}  // namespace plotaris::testing
