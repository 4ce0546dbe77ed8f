// Every dialog and message box a window opens goes through one service, so that a test can
// answer it and read what was shown. The program installs the Qt service; tests install their own.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace plotaris::platform {

enum class MessageIcon { None, Information };

struct MessageRequest {
    QWidget* owner = nullptr;
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;  // the button is always OK alone
};

struct ColorRequest {
    QWidget* owner = nullptr;
    QColor initial;
};

struct SaveRequest {
    QWidget* owner = nullptr;
    QString initialFolder;
    QString filterName;     // "Mapa de bits (*.bmp)"
    QString filterPattern;  // "*.bmp"
    QString defaultExtension;
    bool confirmOverwrite = true;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Shows a message with an OK button and waits until it is closed.
    virtual void message(const MessageRequest& request) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<QColor> chooseColor(const ColorRequest& request) = 0;
    // The file name the user typed or chose, as typed (no extension added), or nothing on cancel.
    virtual std::optional<QString> saveFileName(const SaveRequest& request) = 0;
};

// The service in use: the Qt dialogs unless another one was installed.
DialogService& dialogs();
// Installs another service (tests); nullptr goes back to the Qt dialogs. Not owned.
void setDialogs(DialogService* service);

// The application's title, used by every message box given no title of its own.
inline const QString kApplicationTitle = QStringLiteral("Plotaris");

// A message box with an OK button only.
void messageBox(QWidget* owner, const QString& text, MessageIcon icon = MessageIcon::None,
                const QString& title = kApplicationTitle);

}  // namespace plotaris::platform
