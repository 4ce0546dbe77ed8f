// Equação's compact forms for the samples at which some functions meet an invalid argument.
//
// Such a function leaves its cell empty, and the operations after it find other neighbours: the
// text's own form gives up there. A form built for exactly those failures then gives the value,
// and when it meets one more failing function, the form for that case is tried next. Forms are
// built as samples need them, a few per text at most.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "evaluator/compiled_form.h"
#include "evaluator/token.h"
#include "evaluator/variables.h"
#include "evaluator/work_list.h"

namespace plotaris::detail {

class FailurePaths {
public:
    // After `first` gave up on a function that failed: runs the forms for the failures met, one
    // more each time. The form that gave the value, or null when none did: the full evaluation
    // must run.
    CompiledForm* run(CompiledForm& first, const ParsedExpression& e, WorkList& cells, const Variables& vars,
                      double& result);

private:
    static constexpr std::size_t kMostFailing = 4;     // functions failing at one sample
    static constexpr std::size_t kMostForms = 8;
    static constexpr std::size_t kMostTokens = 16384;  // in all the forms of a text, counting its tokens once per form

    struct Path {
        std::vector<std::int32_t> sites;     // ascending
        std::unique_ptr<CompiledForm> form;  // null when these failures cannot be followed
    };

    CompiledForm* formFor(std::span<const std::int32_t> sites, const ParsedExpression& e, WorkList& cells);

    std::vector<Path> paths_;
};

}  // namespace plotaris::detail
