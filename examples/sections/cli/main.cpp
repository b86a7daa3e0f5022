// orvanta-sections: a project of cross-sections and their properties, on the
// command line.
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include <orvanta/platform/CommandLine.hpp>
#include <orvanta/platform/ModuleVersionInfo.hpp>
#include <orvanta/platform/TextConversion.hpp>
#include <orvanta/platform/WideStreams.hpp>

#include "Commands.hpp"

namespace {

// Swallows what the library writes to the log streams when no program log
// is kept: the terminal shows the message board instead.
template <class Char>
class NullBuffer : public std::basic_streambuf<Char> {
 protected:
  typename std::basic_streambuf<Char>::int_type overflow(
      typename std::basic_streambuf<Char>::int_type c) override {
    return std::basic_streambuf<Char>::traits_type::not_eof(c);
  }
};

int Fail(const std::string& text, int code) {
  std::cout.flush();
  std::wcout.flush();
  std::cerr << "orvanta-sections: error: " << text << std::endl;
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  Sections::Arguments arguments;
  try {
    arguments = Sections::ParseArguments(words);
  } catch (const Sections::UsageError& error) {
    return Fail(error.what(), 2);
  }
  if (arguments.help || arguments.command.empty()) {
    std::cout << Sections::HelpText(arguments.command);
    return arguments.help ? 0 : Fail("no command given", 2);
  }

  Orvanta::UseUtf8WideStandardStreams();
  // Never destroyed: the standard streams are flushed after every static
  // object of the program is gone.
  static auto* quiet = new NullBuffer<char>;
  static auto* wideQuiet = new NullBuffer<wchar_t>;
  std::clog.rdbuf(quiet);
  std::wclog.rdbuf(wideQuiet);

  // The library reads -log and -nosplash from the command line; the demo
  // always keeps a program log.
  std::vector<std::wstring> commandLine{L"orvanta-sections"};
  if (arguments.log || arguments.command == "demo") commandLine.push_back(L"-log");
  if (arguments.noSplash) commandLine.push_back(L"-nosplash");
  Orvanta::SetCommandLine(commandLine);
  Orvanta::SetProgramVersion(1, 0, 0, 1, L"1.0.0");

  try {
    Sections::UnitSystem::Named(arguments.units);
  } catch (const std::exception& error) {
    return Fail(error.what(), 2);
  }
  try {
    Sections::Session session(arguments);
    return session.Run(arguments);
  } catch (const Sections::UsageError& error) {
    return Fail(error.what(), 2);
  } catch (const std::exception& error) {
    return Fail(error.what(), 1);
  }
}
