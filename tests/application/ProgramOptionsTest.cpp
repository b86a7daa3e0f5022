#include "orvanta/application/internal/ProgramOptions.hpp"

#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <sstream>

#include "TemporaryFolder.hpp"

namespace Orvanta {
namespace {

using detail::ProgramOptions;

std::string DefaultFile() {
  return testing::ReadFile(wpath(ORVANTA_APPLICATION_DATA) / "DefaultOptions.xml");
}

// The class-wide options live in a storage of the test's own, not the process's.
TEST(ProgramOptions, DefaultsWriteTheExactFileAndReadBack) {
  SharedProgramOptions::Values shared;
  shared.backup_ext = ".old";
  ProgramOptions options(shared);  // every option at its default, `shared` too
  std::ostringstream file, again;
  options.Write(file);
  EXPECT_EQ(DefaultFile(), file.str());

  options.internal_browser = false;
  options.xslt_engine = 2;
  options.drawing_extents =
      detail::DrawingBoard(Units::Length(1.0), Units::Length(2.0), Units::Length(3.0));
  options.max_num_recent_projects = 4;
  shared = {3, false, ".old"};
  std::istringstream in(file.str());
  options.Read(in);
  options.Write(again);
  EXPECT_EQ(file.str(), again.str());
}

// Each case rewrites the default file and reads it into changed options.
TEST(ProgramOptions, OlderBrokenAndNewerFiles) {
  const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
    return boost::algorithm::replace_first_copy(text, from, to);
  };
  const std::string good = DefaultFile(), newer = replaced(good, "version=\"3\"", "version=\"4\"");
  const std::string clearLine = "<clear_messages_on_doc_closed>0</clear_messages_on_doc_closed>\n";
  const std::string version3 = replaced(good, clearLine, "");
  const struct {
    const char* name;
    std::string file;
    bool read;       // whether it was read whole
    bool firstRead;  // whether the first element was read (and kept)
  } cases[] = {
      {"version 2 without the element", replaced(version3, "\"3\"", "\"2\""), true, true},
      {"version 3 without it", version3, false, true},
      {"missing another element", replaced(good, "<startup_view>0</startup_view>\n", ""), false,
       true},
      {"newer version", newer, false, false},
      {"not XML", "<ProgramOptions", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SharedProgramOptions::Values shared;
    ProgramOptions options(shared);
    options.clear_messages_on_doc_closed = true;
    options.internal_browser = false;
    std::istringstream in(c.file);
    bool read = true;
    try {
      options.Read(in);
    } catch (const std::exception&) {
      read = false;
    }
    EXPECT_EQ(c.read, read);
    EXPECT_EQ(c.firstRead, options.internal_browser);   // partly read options stay read
    EXPECT_TRUE(options.clear_messages_on_doc_closed);  // version 2 keeps it, failures too
  }
}

}  // namespace
}  // namespace Orvanta
