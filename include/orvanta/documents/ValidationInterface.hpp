// ValidationInterface: an object that can tell whether it is valid, and a
// self-test that throws when it is not.
//
//   try { item.SelfTest(); } catch (const Orvanta::ValidationInterface::SelfTestError& e) { ... }
#pragma once

#include <exception>
#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API ValidationInterface {
 public:
  // String-table text 1886 with <Type/> filled by the run-time type name of
  // the failing object; <Name/> is left in the text.
  class ORVANTA_API SelfTestError : public std::exception {
   public:
    explicit SelfTestError(const std::wstring& typeName);
    ~SelfTestError() override;
    const char* what() const noexcept override;
    const std::wstring& Message() const noexcept { return message_; }

   private:
    std::wstring message_;
    std::string narrow_;
  };

  virtual ~ValidationInterface();
  // True unless a derived class says otherwise.
  virtual bool IsValid() const;
  // Throws SelfTestError when IsValid() is false.
  void SelfTest() const;
};

}  // namespace Orvanta
