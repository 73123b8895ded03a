// The arrangements a run's values can be given before they are sorted: the
// order they came in, three orders of the same values, and the values each
// replaced by one of ten. One row each, in the order the page offers them.
#pragma once

#include <string>
#include <vector>

struct Arrangement {
    const char* name;
    // Whether it applies to the learner's own values as well as to generated ones.
    bool own;
    // Arranges values in place. Returns how many pairs of neighbours it
    // exchanged after ordering them: nearly ascending's, and 0 for the others.
    int (*arrange)(std::vector<int>& values);
};

extern const Arrangement arrangements[5];

// The arrangement called name, or nullptr.
const Arrangement* arrangement_named(const std::string& name);

// Whether the arrangement called name applies to a run's values, generated
// or with own the learner's: it does, or there is no such arrangement, or it
// is made from generated values alone.
enum class Applies { yes, unknown, generated_only };
Applies applies(const std::string& name, bool own);
