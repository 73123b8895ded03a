#include "arrangements.hpp"

#include <algorithm>
#include <iterator>

const Arrangement* arrangement_named(const std::string& name)
{
    const auto found = std::find_if(std::begin(arrangements), std::end(arrangements),
                                    [&](const Arrangement& arrangement) { return name == arrangement.name; });
    return found == std::end(arrangements) ? nullptr : found;
}

Applies applies(const std::string& name, bool own)
{
    const Arrangement* arrangement = arrangement_named(name);
    return arrangement == nullptr     ? Applies::unknown
           : own && !arrangement->own ? Applies::generated_only
                                      : Applies::yes;
}
