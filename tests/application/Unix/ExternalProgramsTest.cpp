// The programs the application starts: report engines and the document
// opener, stood in for by scripts that write down what they were given.
#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>
#include <chrono>
#include <thread>

#include "EnvironmentGuard.hpp"
#include "TestApplication.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::TestApplication;
using testing::ThrownText;

// What a started program wrote into `file`, waiting up to 10 s for it.
std::string WaitFor(const wpath& file) {
  for (int i = 0; i < 400 && ReadFile(file).empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  return ReadFile(file);
}

// Makes `script` a program that writes its arguments, "[each]\n", into
// `record`, all at once.
void Recorder(const wpath& script, const wpath& record) {
  const std::string to = record.string();
  ofstream(script, std::ios::binary)
      << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; "
      << "done > \"" << to << ".tmp\"\nmv \"" << to << ".tmp\" \"" << to << "\"\n";
  fs::permissions(script, fs::owner_all);
}

// Blanks in every path: the programs must get them whole. The document
// opener on PATH records what it opens in `opened_`.
class ExternalProgramsTest : public ApplicationTest {
 protected:
  ExternalProgramsTest() {
    dataFolder = home_.Path() / "app data";
    fs::create_directories(input_);
    fs::create_directories(home_.Path() / "bin");
    xml_ = home_.Write("in put/sections.xml",
                       "<sections><section name=\"Beam 1\" area=\"0.15\"/></sections>");
    xsl_ = home_.Write(
        "in put/report.xsl",
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
        "<xsl:template match=\"/\"><html><body><xsl:for-each select=\"sections/section\">"
        "<p><xsl:value-of select=\"@name\"/>: <xsl:value-of select=\"@area\"/></p>"
        "</xsl:for-each></body></html></xsl:template></xsl:stylesheet>");
    Recorder(home_.Path() / "bin" / "xdg-open", opened_);
    environment_.Set("PATH", (home_.Path() / "bin").string() + ":/usr/bin:/bin");
  }

  testing::EnvironmentGuard environment_;
  const wpath input_ = home_.Path() / "in put", opened_ = home_.Path() / "opened.txt";
  wpath xml_, xsl_;
};

TEST_F(ExternalProgramsTest, MsxmlPageByteForByte) {
  TestApplication app;
  app.SetXSLTEngine(BaseApplication::MSXML);
  hub_.Take();
  const wpath page = app.GenerateHTMLReport(xml_, xsl_);
  EXPECT_EQ(BaseApplication::CommonAppDataPath() / "Report.html", page);
  std::string expected = ReadFile(wpath(ORVANTA_APPLICATION_DATA) / "MsxmlReport.html");
  for (std::string::size_type at; (at = expected.find("@INPUT@")) != std::string::npos;)
    expected.replace(at, 7, input_.string());
  EXPECT_EQ(expected, ReadFile(page));
  EXPECT_EQ(std::vector<std::string>{"Generating HTML report"}, journal);
  EXPECT_TRUE(hub_.messages.at(0).second);

  EXPECT_THROW(app.GenerateHTMLReport(xml_, input_ / "missing.xsl"),
               BaseApplication::ReportGenerationError);
  EXPECT_TRUE(fs::exists(page));  // a missing input changes nothing
}

// The page declares ISO-8859-1: it is written so, with what Latin-1 lacks as
// references in its text and as escapes in its script.
TEST_F(ExternalProgramsTest, MsxmlPageIsTheLatin1ItDeclares) {
  struct Titled : TestApplication {
    std::wstring ReportTitle() const override {
      return L"Rapport \u00e9t\u00e9 \u2603 \U0001F3D7 \U0010FFFF";
    }
  } app;
  const wpath folder =
      home_.Path() / "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8F\x97\xEF\xBF\xBF";  // é € 🏗 U+FFFF
  const std::string page =
      ReadFile(app.CallMSXMLEngine(folder / "r.xml", folder / "r.xsl", home_.Path() / "p.html"));
  EXPECT_NE(std::string::npos,
            page.find("<title>Rapport \xE9t\xE9 &#9731; &#127959; &#1114111;</title>"))
      << page;
  EXPECT_NE(std::string::npos, page.find("xml.load(\"" + home_.Path().string() +
                                         "/\xE9\\u20AC\\uD83C\\uDFD7\\uFFFF/r.xml\");"))
      << page;
}

// The only test that touches the Engines folder beside the test program, so
// that tests run in parallel do not meet there.
TEST_F(ExternalProgramsTest, EnginesGetQuotedPathsAndXsltprocWritesThePage) {
  TestApplication app;
  const wpath engines = BaseApplication::EnginePath(), altova = engines / "AltovaXML";
  fs::remove_all(engines);
  app.SetXSLTEngine(BaseApplication::AltovaXML);
  EXPECT_EQ("Cannot generate report because file '" + altova.string() + "' is missing",
            ThrownText([&] { app.GenerateHTMLReport(xml_, xsl_); }));

  // An engine that is not a program is refused, never handed to the opener.
  fs::create_directories(engines);
  const wpath arguments = home_.Path() / "arguments.txt";
  Recorder(altova, arguments);
  fs::permissions(altova, fs::owner_read | fs::owner_write);
  EXPECT_EQ("Error running report engine: error code = 11",
            ThrownText([&] { app.GenerateHTMLReport(xml_, xsl_); }));

  fs::permissions(altova, fs::owner_all);
  const wpath page = app.GenerateHTMLReport(xml_, xsl_);
  EXPECT_EQ("[-xslt1]\n[" + xsl_.string() + "]\n[-in]\n[" + xml_.string() + "]\n[-out]\n[" +
                page.string() + "]\n",
            WaitFor(arguments));
  EXPECT_FALSE(fs::exists(opened_));

  fs::create_symlink("/usr/bin/xsltproc", engines / "xsltproc");
  app.SetXSLTEngine(BaseApplication::XSLTProc);
  const std::string content = WaitFor(app.GenerateHTMLReport(xml_, xsl_));
  EXPECT_NE(std::string::npos, content.find("<p>Beam 1: 0.15</p>")) << content;
  fs::remove_all(engines);
}

// A manual is offered once its file is there, and opens with the system's
// opener; a missing file or a missing opener is said in words.
TEST_F(ExternalProgramsTest, ManualsOpenOrSayWhy) {
  struct ManualApplication : TestApplication {
    std::wstring UserManual() const override { return L"User Manual.pdf"; }
  } app;
  app.RegisterManual(boost::make_shared<PDF>(L"User Manual.pdf", home_.Path()));
  EXPECT_FALSE(app.HasUserManual());  // registered, but the file is not there
  const wpath manual = home_.Write("User Manual.pdf", "%PDF-1.4\n");
  EXPECT_TRUE(app.HasUserManual());
  app.OpenUserManual();
  EXPECT_EQ("[" + manual.string() + "]\n", WaitFor(opened_));

  EXPECT_EQ("Adobe\xC2\xAE PDF file 'Missing.pdf' not found at " + home_.Path().string(),
            ThrownText([&] { PDF(L"Missing.pdf", home_.Path()).Open(); }));
  environment_.Set("PATH", home_.Path().string());  // no opener
  EXPECT_EQ(
      "Adobe\xC2\xAE Reader\xC2\xAE is needed to view this document, but it is not installed "
      "on your computer",
      ThrownText([&] { app.OpenUserManual(); }));
}

}  // namespace
}  // namespace Orvanta
