#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include "platform/controls.h"
#include "platform/translations.h"

using namespace plotaris::platform;

TEST(Controls, ACheckBoxInASmallPlaceShowsItsWholeIndicator) {
    QWidget parent;
    QCheckBox* box = checkBox(&parent, "MarcaX", QString(), QString(), true, 3120, 780, 195, 195);
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    EXPECT_TRUE(box->rect().contains(indicator)) << indicator.width() << " x " << indicator.height();
    EXPECT_EQ(box->pos(), QPoint(208, 52));  // still at its place
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->objectName(), QStringLiteral("MarcaX"));
}

TEST(Controls, TheToolkitsDialogsSpeakPortuguese) {
    ASSERT_TRUE(installTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("File &name:"));
    EXPECT_NE(QCoreApplication::translate("QColorDialog", "Select Color"), QStringLiteral("Select Color"));
}
