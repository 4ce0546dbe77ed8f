// Dialogs and message boxes answered by the test: what was shown is recorded, and each dialog
// takes the next prepared answer (cancel when none is left).
#pragma once

#include <QColor>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

namespace plotaris::testing {

class ScriptedDialogs final : public platform::DialogService {
public:
    ScriptedDialogs();            // installs itself
    ~ScriptedDialogs() override;  // puts back the service it replaced

    // What was shown, in order.
    std::vector<platform::MessageRequest> messages;
    std::vector<platform::ColorRequest> colorRequests;
    std::vector<platform::SaveRequest> saveRequests;

    // The answers, taken in order; an empty queue answers "cancel".
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<QString>> saveAnswers;

    // Runs when a message is shown (after it is recorded), as if while it is open.
    std::function<void(const platform::MessageRequest&)> onMessage;

    void message(const platform::MessageRequest& request) override;
    std::optional<QColor> chooseColor(const platform::ColorRequest& request) override;
    std::optional<QString> saveFileName(const platform::SaveRequest& request) override;

    // The texts of the messages shown so far.
    std::vector<QString> messageTexts() const;

private:
    platform::DialogService* previous_;
};

}  // namespace plotaris::testing
