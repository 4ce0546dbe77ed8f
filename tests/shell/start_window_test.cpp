// The start window as laid out: its texts, fonts and places, the pictures of its drawing windows,
// and its title stepping down from left to right.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <cstdlib>
#include <functional>

#include "windows/window_registry.h"
#include "platform/twips.h"

namespace plotaris {
namespace {

const QColor kBlue(0, 0, 255);

class StartWindow : public ::testing::Test {
protected:
    FormWindow* start = WindowRegistry::instance().show(FormId::Form7);
    void TearDown() override { WindowRegistry::instance().reset(); }
    QWidget* control(const char* name) const { return start->findChild<QWidget*>(QString::fromUtf8(name)); }
};

TEST_F(StartWindow, TextsInBlueComicBoldAtTheirPlaces) {
    EXPECT_EQ(start->windowTitle(), QStringLiteral("PLOTARIS"));
    EXPECT_EQ(start->client()->size(), QSize(1016, 714));
    const struct {
        const char* name;
        QString text;
        QRect place;
    } labels[] = {
        {"Label2", QStringLiteral("Versão 4.1"), platform::twipsRect(13980, 9660, 1050, 285)},
        {"Label5", QStringLiteral("Resolução 1024x780"), platform::twipsRect(13080, 10080, 1950, 285)},
    };
    for (const auto& l : labels) {
        auto* label = qobject_cast<QLabel*>(control(l.name));
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text);
        EXPECT_EQ(label->geometry(), l.place);
        EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("Comic Neue"));
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), kBlue);
        // The whole text fits its place.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(l.text), l.place.width()) << l.name;
    }
}

// The share of the picture's pixels that the test accepts.
double share(const QImage& picture, const std::function<bool(QColor)>& accepts) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) n += accepts(picture.pixelColor(x, y));
    return double(n) / (picture.width() * picture.height());
}

TEST_F(StartWindow, EachPlaceShowsThePictureOfItsDrawingWindow) {
    const QImage shown = start->client()->grab().toImage();
    const char* const places[] = {"Image8", "Image9", "Image1", "Image2", "Image5", "Image3"};
    for (const char* name : places) {
        auto* place = qobject_cast<QLabel*>(control(name));
        ASSERT_NE(place, nullptr) << name;
        EXPECT_EQ(place->size(), QSize(300, 225)) << name;
        const QImage picture = shown.copy(place->geometry());
        EXPECT_EQ(place->pixmap().size(), QSize(300, 225)) << name;
        // A whole window: no single colour covers it, and the menu bar's grey runs along its top.
        EXPECT_LT(share(picture, [&](QColor c) { return c == picture.pixelColor(150, 112); }), 0.9) << name;
        EXPECT_GT(share(picture, [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; }), 0.1)
            << name;
        EXPECT_NE(picture, shown.copy(control(name == places[0] ? "Image9" : "Image8")->geometry())) << name;
    }
    const auto picture = [&](const char* name) { return shown.copy(control(name)->geometry()); };
    const auto dark = [](QColor c) { return c.lightness() < 40; };
    // The special curves stand on nine black pictures; no other window is that dark.
    EXPECT_GT(share(picture("Image3"), dark), 0.3);
    for (const char* name : {"Image8", "Image9", "Image1", "Image2", "Image5"}) EXPECT_LT(share(picture(name), dark), 0.1) << name;
    // The comparison shows its four colours: blue, green, light blue and red.
    const QImage comparison = picture("Image5");
    for (QColor colour : {QColor(0, 0, 255), QColor(0, 255, 0), QColor(0, 255, 255), QColor(255, 0, 0)}) {
        EXPECT_GT(share(comparison, [&](QColor c) {
                      return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue()) < 120;
                  }),
                  0.001)
            << colour.name().toStdString();
    }
}

TEST_F(StartWindow, TheTitleStepsDown) {
    const QImage picture = start->client()->grab().toImage();
    // Blue letters only inside the title area; the first is higher than the last.
    QWidget* title = control("Título");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->geometry(), platform::twipsRect(3840, 8580, 8910, 1845));
    const QRect area = title->geometry();
    auto topOfBlue = [&](int left, int right) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = left; x < right; ++x)
                if (picture.pixelColor(x, y) == kBlue) return y;
        return -1;
    };
    const int eighth = area.width() / 8;
    const int first = topOfBlue(area.left(), area.left() + eighth);
    const int last = topOfBlue(area.right() - eighth, area.right());
    ASSERT_GE(first, area.top());
    ASSERT_GE(last, area.top());
    EXPECT_LT(first + area.height() / 2, last);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == kBlue && !area.contains(x, y) && y > control("Image2")->geometry().bottom()) {
                ASSERT_TRUE(control("Label2")->geometry().contains(x, y) || control("Label5")->geometry().contains(x, y))
                    << x << "," << y;
            }
}

}  // namespace
}  // namespace plotaris
