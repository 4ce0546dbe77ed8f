// What a drawing reads and writes at every sample: the variables, the value and whether it is
// stale, and the text given last. The evaluator object keeps it where the drawing loop's own code
// reaches it without a call, whatever the optimiser decides elsewhere.
#pragma once

#include <string>

#include "evaluator/variables.h"

namespace plotaris::detail {

struct SampleState {
    bool stale = false;
    double result = 0.0;
    Variables vars;
    const std::string* givenText = nullptr;  // as given last, to recognise it when given again
};

}  // namespace plotaris::detail
