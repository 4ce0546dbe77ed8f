#include "evaluator/recent_texts.h"

#include <algorithm>

#include "evaluator/text_case.h"

namespace plotaris::detail {

GivenText& RecentTexts::take(const std::string& raw) {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        if (texts_[i]->raw != raw) continue;
        std::rotate(texts_.begin(), texts_.begin() + static_cast<std::ptrdiff_t>(i),
                    texts_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        return *texts_.front();
    }
    auto text = std::make_unique<GivenText>();
    text->raw = raw;
    text->lowerCase = toLowerCase(raw);
    texts_.insert(texts_.begin(), std::move(text));
    // The oldest go first, so that the memory kept stays small whatever the texts.
    std::size_t characters = 0;
    for (std::size_t i = 1; i < texts_.size(); ++i) {
        characters += texts_[i]->raw.size();
        if (i == kMostTexts || characters > kMostCharacters) {
            texts_.resize(i);
            break;
        }
    }
    return *texts_.front();
}

}  // namespace plotaris::detail
