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

class ManualApplication : public testing::TestApplication {
 public:
  std::wstring UserManual() const override { return L"User Manual.pdf"; }
};

// A fake document opener on PATH that writes the file it was given.
class ManualsTest : public ApplicationTest {
 protected:
  ManualsTest() {
    fs::create_directories(bin_);
    const wpath opener = home_.Write(
        "bin/xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > \"" + opened_.string() + ".tmp\"\nmv \"" +
                            opened_.string() + ".tmp\" \"" + opened_.string() + "\"\n");
    fs::permissions(opener, fs::owner_all);
    environment_.Set("PATH", bin_.string() + ":/usr/bin:/bin");
  }
  std::string Opened() {
    for (int i = 0; i < 400 && !fs::exists(opened_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return ReadFile(opened_);
  }

  EnvironmentGuard environment_;
  const wpath bin_ = home_.Path() / "bin";
  const wpath opened_ = home_.Path() / "opened.txt";
};

TEST_F(ManualsTest, PdfOpensOrSaysWhy) {
  const wpath manual = home_.Write("User Manual.pdf", "%PDF-1.4\n");
  PDF(L"User Manual.pdf", home_.Path()).OpenTopic(7);  // the topic is ignored
  EXPECT_EQ(manual.string(), Opened());

  const auto text = [](const PDF& pdf) -> std::string {
    try {
      pdf.Open();
    } catch (const Error& error) {
      return error.what();
    }
    return "opened";
  };
  EXPECT_EQ("Adobe\xC2\xAE PDF file 'Missing.pdf' not found at " + home_.Path().string(),
            text(PDF(L"Missing.pdf", home_.Path())));
  // A "document" without a document's name that is a program its
  // interpreter may not run.
  const wpath locked = home_.Write("Locked", "#!" + (home_.Path() / "viewer").string() + "\n");
  home_.Write("viewer", "not runnable");
  fs::permissions(locked, fs::owner_all);
  EXPECT_EQ(
      "The operating system denied access to the Adobe\xC2\xAE PDF file 'Locked' located at " +
          home_.Path().string() + ". Please contact your system administrator",
      text(PDF(L"Locked", home_.Path())));
  environment_.Set("PATH", home_.Path().string());  // no opener
  EXPECT_EQ(
      "Adobe\xC2\xAE Reader\xC2\xAE is needed to view this document, but it is not installed "
      "on your computer",
      text(PDF(L"User Manual.pdf", home_.Path())));
}

TEST_F(ManualsTest, LibrariesKeepTheFirstAndStayInStep) {
  DocumentLibrary library;
  const auto first = boost::make_shared<PDF>(L"Guide.pdf", home_.Path());
  library.RegisterDocument(first);
  library.RegisterDocument(boost::make_shared<PDF>(L"Guide.pdf", wpath("/elsewhere")));
  EXPECT_EQ(first, library.FindDocument(L"Guide.pdf"));
  EXPECT_EQ(nullptr, library.FindDocument(L"Other.pdf"));
  library.OpenDocument(L"Other.pdf");                    // nothing happens
  EXPECT_TRUE(*first < PDF(L"Help.pdf", home_.Path()));  // ordered by name

  ManualApplication app;
  EXPECT_FALSE(app.HasUserManual());
  app.RegisterManual(boost::make_shared<PDF>(L"User Manual.pdf", home_.Path()));
  EXPECT_FALSE(app.HasUserManual());  // registered, but the file is not there
  const wpath manual = home_.Write("User Manual.pdf", "%PDF-1.4\n");
  EXPECT_TRUE(app.HasUserManual());
  EXPECT_FALSE(app.HasQuickStartGuide());
  app.OpenUserManual();
  EXPECT_EQ(manual.string(), Opened());
}

}  // namespace
}  // namespace Orvanta
