// Uses the installed library the way a host program does and checks what it
// gets; exits non-zero on any difference.
#include <orvanta/orvanta.hpp>

#include <iostream>

int main() {
  std::wstring text = Orvanta::OrvantaDLL::Instance()->LoadStringW(1950);
  Orvanta::ReplaceTag(text, L"<Path/>", L"/projects/Br\u00fccke.xml");
  const std::string narrow = Orvanta::wstring_to_string(text);
  std::cout << narrow << '\n';
  if (narrow !=
      "The project at '/projects/Br\xC3\xBC"
      "cke.xml' has been opened")
    return 1;

  try {
    throw Orvanta::CompositeInsertionError(L"consumer");
  } catch (const Orvanta::Error& error) {
    std::cout << error.what() << '\n';
  }
  return 0;
}
