// The start window as laid out: its texts, fonts and places, its empty thumbnail places, and its
// title stepping down from left to right.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>

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

TEST_F(StartWindow, ThumbnailPlacesStayWhiteAndTheTitleStepsDown) {
    const QImage picture = start->client()->grab().toImage();
    for (const char* name : {"Image8", "Image9", "Image1", "Image2", "Image5", "Image3"}) {
        QWidget* place = control(name);
        ASSERT_NE(place, nullptr) << name;
        EXPECT_EQ(place->size(), QSize(300, 225)) << name;
        const QRect r = place->geometry();
        for (int y = r.top(); y <= r.bottom(); y += 7)
            for (int x = r.left(); x <= r.right(); x += 7)
                ASSERT_EQ(picture.pixelColor(x, y), Qt::white) << name << " at " << x << "," << y;
    }

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
            if (picture.pixelColor(x, y) == kBlue && !area.contains(x, y)) {
                ASSERT_TRUE(control("Label2")->geometry().contains(x, y) || control("Label5")->geometry().contains(x, y))
                    << x << "," << y;
            }
}

}  // namespace
}  // namespace plotaris
