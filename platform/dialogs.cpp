#include "platform/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/held_controls.h"

namespace plotaris::platform {

namespace {

class QtDialogs final : public DialogService {
public:
    void message(const MessageRequest& r) override {
        QMessageBox box(r.icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon, r.title,
                        r.text, QMessageBox::Ok, r.owner);
        box.exec();
    }

    std::optional<QColor> chooseColor(const ColorRequest& r) override {
        const QColor c = QColorDialog::getColor(r.initial, r.owner);
        if (!c.isValid()) return std::nullopt;
        return c;
    }

    std::optional<QString> saveFileName(const SaveRequest& r) override {
        QFileDialog dialog(r.owner, QString(), r.initialFolder, r.filterName);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The extension is checked by the caller, which must see the name as typed.
        dialog.setDefaultSuffix(QString());
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.confirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

QtDialogs& qtDialogs() {
    static QtDialogs service;
    return service;
}

DialogService* installed = nullptr;

}  // namespace

DialogService& dialogs() { return installed ? *installed : qtDialogs(); }

void setDialogs(DialogService* service) { installed = service; }

void messageBox(QWidget* owner, const QString& text, MessageIcon icon, const QString& title) {
    letGoOfHeldControls();
    dialogs().message(MessageRequest{owner, title, text, icon});
}

}  // namespace plotaris::platform
