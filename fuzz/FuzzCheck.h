#pragma once
// Shared by the libFuzzer targets: a broken invariant stops the run, so that
// libFuzzer keeps the input that broke it.
#include <cstdlib>

namespace pendrel::fuzz {

inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace pendrel::fuzz
