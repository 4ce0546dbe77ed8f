// Closes the next modal dialog that shows, from the event loop of that dialog, as the user would
// with Cancel. The watchdog: after many turns of the loop without a dialog it fails and closes any
// dialog it finds, so that a test never hangs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace plotaris::testing {

class DialogCloser {
public:
    DialogCloser() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start();
    }
    ~DialogCloser() { EXPECT_TRUE(closed_) << "no dialog showed"; }
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;

private:
    void tick() {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            closed_ = true;
            timer_.stop();
            dialog->reject();
        } else if (++turns_ == 10000) {
            timer_.stop();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) dialog->reject();
        }
    }
    QTimer timer_;
    int turns_ = 0;
    bool closed_ = false;
};

}  // namespace plotaris::testing
