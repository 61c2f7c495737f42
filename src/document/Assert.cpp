#include "document/Assert.h"

#include <cstdio>
#include <cstdlib>

namespace vantro {

void AssertionFailed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "VantroCad: internal error: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

}  // namespace vantro
