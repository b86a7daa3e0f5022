#include "orvanta/platform/CommandLine.hpp"

#include "Backend.hpp"

namespace Orvanta {
namespace {

std::vector<std::wstring>& Override() {
  static std::vector<std::wstring> arguments;
  return arguments;
}

}  // namespace

void SetCommandLine(const std::vector<std::wstring>& arguments) { Override() = arguments; }

std::vector<std::wstring> CommandLineArguments() {
  return Override().empty() ? sys::ProcessCommandLine() : Override();
}

std::vector<std::wstring> SplitCommandLine(const std::wstring& text) {
  std::vector<std::wstring> arguments;
  std::wstring current;
  bool quoted = false;
  bool started = false;  // so that "" gives an empty argument
  std::size_t i = 0;
  while (i < text.size()) {
    const wchar_t c = text[i];
    if (c == L'\\') {
      std::size_t end = i;
      while (end < text.size() && text[end] == L'\\') ++end;
      const std::size_t count = end - i;
      started = true;
      if (end < text.size() && text[end] == L'"') {
        current.append(count / 2, L'\\');
        if (count % 2 == 1) {
          current += L'"';
          ++end;
        }
      } else {
        current.append(count, L'\\');
      }
      i = end;
    } else if (c == L'"') {
      if (quoted && i + 1 < text.size() && text[i + 1] == L'"') {
        current += L'"';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
      started = true;
    } else if ((c == L' ' || c == L'\t') && !quoted) {
      if (started) arguments.push_back(current);
      current.clear();
      started = false;
      ++i;
    } else {
      current += c;
      started = true;
      ++i;
    }
  }
  if (started) arguments.push_back(current);
  return arguments;
}

std::wstring QuoteCommandLineArgument(const std::wstring& argument) {
  std::wstring text(1, L'"');
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') {
      text.append(2 * backslashes + 1, L'\\');
    } else {
      text.append(backslashes, L'\\');
    }
    text += c;
    backslashes = 0;
  }
  text.append(2 * backslashes, L'\\');
  text += L'"';
  return text;
}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/CommandLine.inc"
#else
#include "Unix/CommandLine.inc"
#endif
