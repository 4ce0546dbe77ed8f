// The texts an evaluator was given last, each with what tokenizing it gave. A drawing that hands
// two texts in turn to one object (the x and y of a parametric curve) tokenizes each of them once:
// tokenizing a text again would give the same tokens, the same form and the same error.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "evaluator/compiled_form.h"
#include "evaluator/equation.h"
#include "evaluator/failure_paths.h"
#include "evaluator/token.h"

namespace plotaris::detail {

struct GivenText {
    std::string raw;        // as given, to recognise it cheaply when given again
    std::string lowerCase;  // as the object stores it
    bool tokenized = false;
    ParsedExpression parsed;                // once tokenized without error
    std::optional<CompiledForm> form;       // its compact form, when it has one
    std::optional<EvaluatorError> error;    // what tokenizing it raised
    FailurePaths failurePaths;              // Equação's forms for samples where functions fail
};

class RecentTexts {
public:
    // The text given last, or null before any.
    GivenText* current() const { return texts_.empty() ? nullptr : texts_.front().get(); }

    // Makes `raw` the current text: one of the last few given, or a new one, not yet tokenized.
    GivenText& take(const std::string& raw);

    // How many texts are kept, the current one included.
    std::size_t size() const { return texts_.size(); }

private:
    static constexpr std::size_t kMostTexts = 4;
    static constexpr std::size_t kMostCharacters = 1 << 16;  // in the texts kept besides the current one

    std::vector<std::unique_ptr<GivenText>> texts_;  // the current one first, then the others, latest first
};

}  // namespace plotaris::detail
