// Error, the base of every exception the library throws, and the platform's
// own errors derived from it.
//
// An error's text is usually a string-table text with its <Tag/> placeholders
// filled, either before (LibraryText) or through Replace, by the same rule:
//
//   throw Orvanta::Error(Orvanta::LibraryText(1956, {{L"<Path/>", path}}));
//
//   Orvanta::Error error(L"Cannot open '<Path/>'. <Reason/>");
//   error.Replace(L"<Path/>", L"/tmp/a.xml");
//   error.Replace(L"<Reason/>", L"");
//   error.what();  // "Cannot open '/tmp/a.xml'. " (UTF-8)
#pragma once

#include <exception>
#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API Error : public std::exception {
 public:
  explicit Error(const std::wstring& text);
  // `text` is UTF-8; malformed sequences become U+FFFD.
  explicit Error(const std::string& text);
  ~Error() override;

  // The text as UTF-8; malformed wide text becomes U+FFFD (nothing throws).
  const char* what() const noexcept override;
  // The text as it was given and filled.
  const std::wstring& Text() const noexcept { return text_; }

  // Fills `tag` in the text as FillTag (LibraryText.hpp) does: its first
  // occurrence, case-sensitive, the whole tag; nothing when it does not occur.
  void Replace(const std::wstring& tag, const std::wstring& value);

 private:
  std::wstring text_;
  std::string narrow_;
};

// An inconsistency inside the library; the text, kept unchanged, names the
// operation that found it, for example L"Module::LoadStringW".
class ORVANTA_API InternalError : public Error {
 public:
  explicit InternalError(const std::wstring& text);
  ~InternalError() override;
};

// A service that this system does not provide. The text is
// "'<function>' is not available on this system".
class ORVANTA_API FunctionUnavailableError : public Error {
 public:
  explicit FunctionUnavailableError(const std::wstring& function);
  ~FunctionUnavailableError() override;
};

// An operation needs the file path of a document that has none yet. The text
// is string-table text 1887, "The specified path is empty".
class ORVANTA_API NoPathError : public Error {
 public:
  NoPathError();
  ~NoPathError() override;
};

}  // namespace Orvanta
