// A small program the tests run without a terminal.
//   probe box <style>   shows the default message box, prints the answer
//   probe streams       writes narrow and wide text to standard error
#include <cstdlib>
#include <iostream>
#include <string>

#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/WideStreams.hpp"

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "box" && argc > 2) {
    const int answer = Orvanta::ShowMessageBox(L"Delete \u201cWall 1\u201d (2.5 m\u00b2)?", L"Probe",
                                               static_cast<unsigned int>(std::atoi(argv[2])));
    std::cout << answer;
    return 0;
  }
  if (mode == "streams") {
    std::cerr << "narrow 1\n";
    Orvanta::UseUtf8WideStandardStreams();
    Orvanta::UseUtf8WideStandardStreams();
    std::wcerr << L"wide \u00b0 \U0001F3D7" << std::endl;
    std::cerr << "narrow 2\n";
    std::wclog << L"log \u00e5" << std::endl;
    return 0;
  }
  return 2;
}
