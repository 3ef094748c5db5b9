// Helpers shared by the tests of the platform layer.
#pragma once

#ifndef _WIN32
#include <cstdlib>
#include <optional>
#include <string>

namespace zw::test {

// Sets (or, with no value, clears) an environment variable for one scope and
// puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        set(value);
    }
    ~ScopedEnv() { set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void set(const std::optional<std::string>& v) {
        if (v)
            ::setenv(name_, v->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace zw::test
#endif
