#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include "platform/up_down.h"

namespace plotaris::platform {

TEST(UpDown, ArrowsReportTheirClicks) {
    QWidget parent;
    UpDown* control = upDown(&parent, QStringLiteral("UpDownXmi(2)"), QStringLiteral("Alterar"), 915, 285, 255, 315);
    parent.show();
    EXPECT_EQ(control->objectName(), QStringLiteral("UpDownXmi(2)"));
    EXPECT_EQ(control->geometry(), QRect(61, 19, 17, 21));
    // The up arrow above the down arrow, sharing the control's height.
    EXPECT_EQ(control->upArrow()->geometry(), QRect(0, 0, 17, 10));
    EXPECT_EQ(control->downArrow()->geometry(), QRect(0, 10, 17, 11));
    int downs = 0, ups = 0;
    QObject::connect(control, &UpDown::downClick, [&] { ++downs; });
    QObject::connect(control, &UpDown::upClick, [&] { ++ups; });
    QTest::mouseClick(control->upArrow(), Qt::LeftButton);
    QTest::mouseClick(control->downArrow(), Qt::LeftButton);
    QTest::mouseClick(control->downArrow(), Qt::LeftButton);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(downs, 2);
}

}  // namespace plotaris::platform
