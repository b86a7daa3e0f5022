// Sets environment variables for one test and restores them afterwards.
#pragma once

#include <stdlib.h>  // setenv: these tests run on POSIX

#include <map>
#include <optional>
#include <string>

namespace Orvanta {
namespace testing {

class EnvironmentGuard {
 public:
  EnvironmentGuard() = default;
  EnvironmentGuard(const EnvironmentGuard&) = delete;
  EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
  ~EnvironmentGuard() {
    for (const auto& saved : saved_)
      saved.second ? ::setenv(saved.first.c_str(), saved.second->c_str(), 1)
                   : ::unsetenv(saved.first.c_str());
  }

  void Set(const std::string& name, const std::string& value) {
    Save(name);
    ::setenv(name.c_str(), value.c_str(), 1);
  }
  void Unset(const std::string& name) {
    Save(name);
    ::unsetenv(name.c_str());
  }

 private:
  void Save(const std::string& name) {
    const char* value = ::getenv(name.c_str());
    if (!saved_.count(name))
      saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
  }

  std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace testing
}  // namespace Orvanta
