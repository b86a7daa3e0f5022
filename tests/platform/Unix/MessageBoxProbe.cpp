// A small program the tests run without a terminal.
//   probe box <style>   shows the default message box, prints the answer
//   probe exit-text     loads text 2047 from a static destructor at exit
#include <cstdlib>
#include <iostream>
#include <string>

#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/Module.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace {

std::string LibraryText(unsigned int id) {
  return Orvanta::wstring_to_string(
      Orvanta::Module(L"Orvanta.dll", Orvanta::LoadModule(L"Orvanta.dll")).LoadStringW(id));
}

// Made before main, so before the library's first text: destroyed after
// everything the library makes on first use.
struct ExitLogger {
  bool armed = false;
  ~ExitLogger() {
    if (armed) std::cout << LibraryText(2047) << std::endl;
  }
} exitLogger;

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "exit-text") {
    exitLogger.armed = true;
    std::cout << LibraryText(2046) << '\n';
  } else if (mode == "box" && argc > 2) {
    std::cout << Orvanta::ShowMessageBox(L"Delete \u201cWall 1\u201d (2.5 m\u00b2)?", L"Probe",
                                         static_cast<unsigned int>(std::atoi(argv[2])));
  } else {
    return 2;
  }
  return 0;
}
