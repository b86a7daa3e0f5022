// orvanta-sections: a project of cross-sections and their properties, on the
// command line. The first steps of every host program: the version, the item
// prototypes, the application object, the start announced (Session).
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include <boost/make_shared.hpp>

#include <orvanta/platform/ModuleVersionInfo.hpp>

#include "Session.hpp"
#include "UnitSystem.hpp"

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
  Sections::Arguments arguments;
  try {
    arguments = Sections::ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    Sections::UnitSystem::Named(arguments.units);
  } catch (const std::exception& error) {
    return Fail(error.what(), 2);
  }
  if (arguments.help || arguments.command.empty()) {
    std::cout << Sections::HelpText(arguments.command);
    return arguments.help ? 0 : Fail("no command given", 2);
  }
  // Never destroyed: the standard streams are flushed after every static
  // object of the program is gone.
  static auto* const quiet = new NullBuffer<char>;
  static auto* const wideQuiet = new NullBuffer<wchar_t>;
  std::clog.rdbuf(quiet);
  std::wclog.rdbuf(wideQuiet);

  try {
    Orvanta::SetProgramVersion(1, 0, 0, 1, L"1.0.0");
    Sections::RegisterSectionPrototypes();
    const auto app = boost::make_shared<Sections::SectionsApplication>();
    Sections::Session session(app, arguments);
    return session.Run(arguments);
  } catch (const Sections::UsageError& error) {
    return Fail(error.what(), 2);
  } catch (const std::exception& error) {
    return Fail(error.what(), 1);
  }
}
