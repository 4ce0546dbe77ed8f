// The evaluator's variables: one Double per name; names compare without regard to case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "evaluator/text_case.h"

namespace plotaris::detail {

class Variables {
public:
    // The index of the variable of that name, or -1.
    [[gnu::always_inline]] int find(std::string_view name) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (sameKey(items_[i].first, name)) return static_cast<int>(i);
        return -1;
    }
    double valueAt(int index) const { return items_[static_cast<std::size_t>(index)].second; }
    // Where the value is kept: valid until a name comes or goes.
    const double* address(int index) const { return &items_[static_cast<std::size_t>(index)].second; }

    [[gnu::always_inline]] void set(const std::string& name, double value) {
        if (int i = find(name); i >= 0) items_[static_cast<std::size_t>(i)].second = value;  // whichever spelling
        else add(name, value);
    }
    void remove(std::string_view name) {
        if (int i = find(name); i >= 0) {
            items_.erase(items_.begin() + i);
            ++generation_;
        }
    }
    void clear() {
        items_.clear();
        ++generation_;
    }

    // Changes whenever a name comes or goes, so that indexes found earlier can be trusted until then.
    std::uint64_t generation() const { return generation_; }

private:
    // Kept out of line: set() runs at every sample, adding a name almost never.
    __attribute__((noinline)) void add(const std::string& name, double value) {
        items_.emplace_back(name, value);
        ++generation_;
    }

    std::vector<std::pair<std::string, double>> items_;
    std::uint64_t generation_ = 0;
};

}  // namespace plotaris::detail
