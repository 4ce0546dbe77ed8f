#include "evaluator/failure_paths.h"

#include <algorithm>

#include "evaluator/evaluation.h"

namespace plotaris::detail {

CompiledForm* FailurePaths::run(CompiledForm& first, const ParsedExpression& e, WorkList& cells,
                                const Variables& vars, double& result) {
    std::array<std::int32_t, kMostFailing> sites{};
    std::size_t count = 0;
    CompiledForm* form = &first;
    for (;;) {
        const std::int32_t site = form->takeFailedSite();
        if (site < 0 || count == sites.size()) return nullptr;
        auto* const end = sites.data() + count;
        auto* const at = std::lower_bound(sites.data(), end, site);
        if (at != end && *at == site) return nullptr;  // a form never reports a failure it was built for
        std::move_backward(at, end, end + 1);
        *at = site;
        ++count;
        CompiledForm* next = formFor({sites.data(), count}, e, cells);
        if (!next || next->run(vars, result)) return next;
        form = next;
    }
}

CompiledForm* FailurePaths::formFor(std::span<const std::int32_t> sites, const ParsedExpression& e, WorkList& cells) {
    for (Path& p : paths_)
        if (std::ranges::equal(p.sites, sites)) return p.form.get();
    const auto tokens = static_cast<std::size_t>(std::max(e.size(), 1));
    if (paths_.size() >= std::min(kMostForms, kMostTokens / tokens)) return nullptr;
    auto form = std::make_unique<CompiledForm>(FailureStyle::PresetResult);
    if (!compile(e, cells, *form, sites)) form.reset();
    paths_.push_back(Path{std::vector<std::int32_t>(sites.begin(), sites.end()), std::move(form)});
    return paths_.back().form.get();
}

}  // namespace plotaris::detail
