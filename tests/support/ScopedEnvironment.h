// Sets an environment variable for a scope and puts the old value back.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace vantro::testing {

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        Set(value);
    }
    ~ScopedEnvironment() { Set(old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Set(const std::optional<std::string>& value)
    {
        if (value) ::setenv(name_, value->c_str(), 1);
        else ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace vantro::testing
