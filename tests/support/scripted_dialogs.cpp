#include "tests/support/scripted_dialogs.h"

namespace plotaris::testing {

ScriptedDialogs::ScriptedDialogs() : previous_(&platform::dialogs()) { platform::setDialogs(this); }

ScriptedDialogs::~ScriptedDialogs() { platform::setDialogs(previous_); }

void ScriptedDialogs::message(const platform::MessageRequest& request) {
    messages.push_back(request);
    if (onMessage) onMessage(request);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const platform::ColorRequest& request) {
    colorRequests.push_back(request);
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::saveFileName(const platform::SaveRequest& request) {
    saveRequests.push_back(request);
    if (saveAnswers.empty()) return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

std::vector<QString> ScriptedDialogs::messageTexts() const {
    std::vector<QString> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

}  // namespace plotaris::testing
