// One always-on assertion for programming errors (never for bad input, which is reported).
#pragma once

namespace vantro {
[[noreturn]] void AssertionFailed(const char* condition, const char* file, int line);
}

#define VANTRO_ASSERT(condition) \
    ((condition) ? static_cast<void>(0) : ::vantro::AssertionFailed(#condition, __FILE__, __LINE__))
