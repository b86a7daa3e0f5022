// Sets environment variables for one test and restores them afterwards.
#pragma once

#include <stdlib.h>  // setenv: these tests run on POSIX

#include <map>
#include <string>

namespace Orvanta {
namespace testing {

class EnvironmentGuard {
 public:
  EnvironmentGuard() = default;
  EnvironmentGuard(const EnvironmentGuard&) = delete;
  EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
  ~EnvironmentGuard() {
    for (const auto& saved : saved_) {
      if (saved.second.first)
        ::setenv(saved.first.c_str(), saved.second.second.c_str(), 1);
      else
        ::unsetenv(saved.first.c_str());
    }
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
    if (saved_.count(name)) return;
    const char* value = ::getenv(name.c_str());
    saved_[name] = {value != nullptr, value != nullptr ? value : ""};
  }

  std::map<std::string, std::pair<bool, std::string>> saved_;
};

}  // namespace testing
}  // namespace Orvanta
