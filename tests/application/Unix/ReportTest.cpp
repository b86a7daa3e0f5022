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
using testing::EnvironmentGuard;
using testing::ReadFile;
using testing::TestApplication;

std::string WaitFor(const wpath& file) {
  for (int i = 0; i < 400 && ReadFile(file).empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  return ReadFile(file);
}

class ReportTest : public ApplicationTest {
 protected:
  ReportTest() {
    // Blanks in every path: the engines must get them whole.
    dataFolder = home_.Path() / "app data";
    fs::create_directories(input_);
    xml_ = home_.Write("in put/sections.xml",
                       "<sections><section name=\"Beam 1\" area=\"0.15\"/></sections>");
    xsl_ = home_.Write(
        "in put/report.xsl",
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
        "<xsl:template match=\"/\"><html><body><xsl:for-each select=\"sections/section\">"
        "<p><xsl:value-of select=\"@name\"/>: <xsl:value-of select=\"@area\"/></p>"
        "</xsl:for-each></body></html></xsl:template></xsl:stylesheet>");
  }

  const wpath input_ = home_.Path() / "in put";
  wpath xml_, xsl_;
};

TEST_F(ReportTest, MsxmlPageByteForByte) {
  TestApplication app;
  app.SetXSLTEngine(BaseApplication::MSXML);
  hub_.Take();
  const wpath page = app.GenerateHTMLReport(xml_, xsl_);
  EXPECT_EQ(BaseApplication::CommonAppDataPath() / "Report.html", page);
  std::string expected = ReadFile(wpath(ORVANTA_APPLICATION_DATA) / "MsxmlReport.html");
  const std::string folder = input_.string();
  for (std::string::size_type at; (at = expected.find("@INPUT@")) != std::string::npos;)
    expected.replace(at, 7, folder);
  EXPECT_EQ(expected, ReadFile(page));
  EXPECT_EQ(std::vector<std::string>{"Generating HTML report"}, journal);
  EXPECT_TRUE(hub_.messages.at(0).second);

  EXPECT_THROW(app.GenerateHTMLReport(input_ / "missing.xml", xsl_),
               BaseApplication::ReportGenerationError);
  EXPECT_TRUE(fs::exists(page));  // a missing input changes nothing
}

// The page declares ISO-8859-1: it is written so, with what Latin-1 lacks as
// references in its text and as escapes in its script.
TEST_F(ReportTest, MsxmlPageIsTheLatin1ItDeclares) {
  struct Titled : TestApplication {
    std::wstring ReportTitle() const override { return L"Rapport \u00e9t\u00e9 \u2603 \U0001F3D7"; }
  } app;
  const wpath folder =
      home_.Path() / "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8F\x97\xEF\xBF\xBF";  // é € 🏗 U+FFFF
  const std::string page =
      ReadFile(app.CallMSXMLEngine(folder / "r.xml", folder / "r.xsl", home_.Path() / "p.html"));
  EXPECT_NE(std::string::npos, page.find("<title>Rapport \xE9t\xE9 &#9731; &#127959;</title>"))
      << page;
  EXPECT_NE(std::string::npos, page.find("xml.load(\"" + home_.Path().string() +
                                         "/\xE9\\u20AC\\uD83C\\uDFD7\\uFFFF/r.xml\");"))
      << page;
}

TEST_F(ReportTest, UnknownEngineRemovesTheOldPage) {
  TestApplication app;
  app.SetXSLTEngine(BaseApplication::MSXML);
  const wpath page = app.GenerateHTMLReport(xml_, xsl_);
  app.SetXSLTEngine(static_cast<BaseApplication::XSLTEngineType>(7));
  EXPECT_EQ(wpath(), app.GenerateHTMLReport(xml_, xsl_));
  EXPECT_FALSE(fs::exists(page));
}

// The only test that touches the Engines folder beside the test program, so
// that tests run in parallel do not meet there.
TEST_F(ReportTest, EnginesGetQuotedPathsAndXsltprocWritesThePage) {
  TestApplication app;
  const wpath engines = BaseApplication::EnginePath();
  fs::remove_all(engines);
  try {
    app.SetXSLTEngine(BaseApplication::AltovaXML);
    app.GenerateHTMLReport(xml_, xsl_);
    ADD_FAILURE() << "ran a missing engine";
  } catch (const BaseApplication::ReportGenerationError& error) {
    EXPECT_EQ(
        "Cannot generate report because file '" + (engines / "AltovaXML").string() + "' is missing",
        std::string(error.what()));
  }

  fs::create_directories(engines);
  const wpath arguments = home_.Path() / "arguments.txt";
  const wpath altova = engines / "AltovaXML";
  std::ofstream(altova.string())
      << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"" << arguments.string()
      << ".tmp\"\nmv \"" << arguments.string() << ".tmp\" \"" << arguments.string() << "\"\n";
  // An engine that is not a program is refused, never handed to a viewer.
  const wpath opened = home_.Path() / "opened";
  fs::create_directories(home_.Path() / "bin");
  const wpath viewer = home_.Write("bin/xdg-open", "#!/bin/sh\ntouch '" + opened.string() + "'\n");
  fs::permissions(viewer, fs::owner_all);
  EnvironmentGuard environment;
  environment.Set("PATH", viewer.parent_path().string() + ":/usr/bin:/bin");
  try {
    app.GenerateHTMLReport(xml_, xsl_);
    ADD_FAILURE() << "ran an engine that is not a program";
  } catch (const BaseApplication::ReportEngineError& error) {
    EXPECT_STREQ("Error running report engine: error code = 11", error.what());
  }

  // Paths with blanks reach the engine whole (ReportEnginesTest: any path).
  fs::permissions(altova, fs::owner_all);
  journal.clear();
  const wpath page = app.GenerateHTMLReport(xml_, xsl_);
  EXPECT_EQ("[-xslt1]\n[" + xsl_.string() + "]\n[-in]\n[" + xml_.string() + "]\n[-out]\n[" +
                page.string() + "]\n",
            WaitFor(arguments));
  ASSERT_EQ(2u, journal.size());
  EXPECT_EQ(0u, journal[1].find("Running '" + engines.string() + "\\AltovaXML -xslt1 \""));
  EXPECT_FALSE(fs::exists(opened));

  fs::create_symlink("/usr/bin/xsltproc", engines / "xsltproc");
  app.SetXSLTEngine(BaseApplication::XSLTProc);
  const wpath html = app.GenerateHTMLReport(xml_, xsl_);
  const std::string content = WaitFor(html);
  EXPECT_NE(std::string::npos, content.find("<p>Beam 1: 0.15</p>")) << content;
  fs::remove_all(engines);
}

}  // namespace
}  // namespace Orvanta
