// Opens a fresh special-curves window for each test, with dialogs the test answers, and reads the
// pixels of its nine pictures at places given in their user units.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>

#include "canvas/picture_area.h"
#include "curves/form5.h"
#include "curves/gallery_families.h"
#include "tests/support/canvas_pixels.h"
#include "tests/support/scripted_dialogs.h"
#include "windows/window_registry.h"

namespace plotaris::testing {

inline constexpr QRgb kYellow = 0xFFFFFF00u;

// The pixels of one picture.
class PicturePixels : public CanvasPixels {
public:
    explicit PicturePixels(canvas::PictureArea& picture) : picture_(picture) {}
    using CanvasPixels::at;
    using CanvasPixels::count;
    using CanvasPixels::image;
    using CanvasPixels::pixel;

protected:
    canvas::PictureArea& canvas() const override { return picture_; }

private:
    canvas::PictureArea& picture_;
};

class Form5Test : public ::testing::Test {
protected:
    void SetUp() override {
        form = static_cast<Form5*>(WindowRegistry::instance().show(FormId::Form5));
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    canvas::PictureArea& picture(int k) const { return *form->Picture2[k]; }
    const QImage& image(int k) const { return picture(k).image(); }
    // The colour of picture k at the point (x, y) of its user scale.
    QRgb at(int k, double x, double y) const { return PicturePixels(picture(k)).at(x, y); }
    // How many pixels of picture k are of that colour.
    int count(int k, QRgb colour) const { return PicturePixels(picture(k)).count(image(k).rect(), colour); }
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
