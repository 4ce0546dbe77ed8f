#include <gtest/gtest.h>

#include "platform/common_dialog.h"
#include "tests/support/scripted_dialogs.h"

using plotaris::platform::CommonDialog;
using plotaris::platform::fileExtension;
using plotaris::testing::ScriptedDialogs;

namespace {

CommonDialog bitmapDialog() {
    CommonDialog d;
    d.Flags = 0x200802;
    d.Filter = QStringLiteral("Mapa de bits (*.bmp)|*.bmp");
    d.DefaultExt = QStringLiteral("bmp");
    d.InitDir = QStringLiteral("/tmp");
    return d;
}

}  // namespace

TEST(CommonDialog, SaveAddsTheDefaultExtensionAndFlagsAnotherOne) {
    ScriptedDialogs dialogs;
    dialogs.saveAnswers = {QStringLiteral("/tmp/a/grafico"), QStringLiteral("/tmp/a/grafico.jpg"),
                           QStringLiteral("/tmp/a/GRAF.BMP"), QStringLiteral("/tmp/a.b/grafico."),
                           QStringLiteral("/tmp/.bmp")};
    CommonDialog d = bitmapDialog();

    d.ShowSave(nullptr);
    EXPECT_EQ(d.FileName, QStringLiteral("/tmp/a/grafico.bmp"));
    EXPECT_FALSE(d.Flags & CommonDialog::kExtensionDifferent);

    d.ShowSave(nullptr);
    EXPECT_EQ(d.FileName, QStringLiteral("/tmp/a/grafico.jpg"));
    EXPECT_TRUE(d.Flags & CommonDialog::kExtensionDifferent);

    d.ShowSave(nullptr);  // the flag is the dialog's answer for this name only
    EXPECT_EQ(d.FileName, QStringLiteral("/tmp/a/GRAF.BMP"));
    EXPECT_FALSE(d.Flags & CommonDialog::kExtensionDifferent);

    d.ShowSave(nullptr);  // a dot in a folder's name is not an extension; a trailing dot is none
    EXPECT_EQ(d.FileName, QStringLiteral("/tmp/a.b/grafico.bmp"));

    d.ShowSave(nullptr);  // a hidden name has no extension either
    EXPECT_EQ(d.FileName, QStringLiteral("/tmp/.bmp.bmp"));

    ASSERT_EQ(dialogs.saveRequests.size(), 5u);
    const auto& request = dialogs.saveRequests.front();
    EXPECT_EQ(request.filterName, QStringLiteral("Mapa de bits (*.bmp)"));
    EXPECT_EQ(request.filterPattern, QStringLiteral("*.bmp"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("bmp"));
    EXPECT_EQ(request.initialFolder, QStringLiteral("/tmp"));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(d.Flags & ~CommonDialog::kExtensionDifferent, 0x200802);
}

TEST(CommonDialog, CancelEmptiesTheNameAndKeepsTheColour) {
    ScriptedDialogs dialogs;
    CommonDialog d = bitmapDialog();
    d.FileName = QStringLiteral("old.bmp");
    d.Color = QColor(1, 2, 3);
    d.ShowSave(nullptr);
    EXPECT_TRUE(d.FileName.isEmpty());
    d.ShowColor(nullptr);
    EXPECT_EQ(d.Color, QColor(1, 2, 3));
    dialogs.colorAnswers = {QColor(250, 0, 10)};
    d.ShowColor(nullptr);
    EXPECT_EQ(d.Color, QColor(250, 0, 10));
    ASSERT_EQ(dialogs.colorRequests.size(), 2u);
    EXPECT_EQ(dialogs.colorRequests.back().initial, QColor(1, 2, 3));
}

TEST(CommonDialog, FileExtension) {
    EXPECT_EQ(fileExtension(QStringLiteral("a.bmp")), QStringLiteral("bmp"));
    EXPECT_EQ(fileExtension(QStringLiteral("dir.x/a")), QString());
    EXPECT_EQ(fileExtension(QStringLiteral(".hidden")), QString());
    EXPECT_EQ(fileExtension(QStringLiteral("a.tar.gz")), QStringLiteral("gz"));
}
