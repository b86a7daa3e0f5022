// The recent-projects list: its file, one entry a file, and the
// application's own list.
#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "TestApplication.hpp"
#include "orvanta/application/RecentProjects.hpp"
#include "orvanta/platform/FileAttributes.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;

class RecentProjectsTest : public ApplicationTest {
 protected:
  RecentProjectsTest() {
    fs::create_directories(home_.Path() / "sub");
    for (const char* name : {"a.xml", "b.xml", "c.xml", "d.xml"}) home_.Write(name, name);
  }
  wpath Project(const char* name) const { return home_.Path() / name; }
  wpath file = home_.Path() / "MRU.ini";
};

TEST_F(RecentProjectsTest, OneEntryAFileMostRecentFirstWithinTheCapacity) {
  RecentProjects recent(file, 3);
  const wpath a = Project("a.xml"), b = Project("b.xml"), c = Project("c.xml");
  const wpath aOtherwise = home_.Path() / "sub" / ".." / "a.xml";
  EXPECT_TRUE(recent.Add(a));
  EXPECT_TRUE(recent.Add(b));
  EXPECT_TRUE(recent.Add(aOtherwise));  // the same file: moved first, as now spelled
  EXPECT_TRUE(recent.Add(aOtherwise));  // already first: no change
  EXPECT_EQ((std::vector<wpath>{aOtherwise, b}), recent.Projects());
  EXPECT_TRUE(recent.Add(c));
  EXPECT_TRUE(recent.Add(Project("d.xml")));
  EXPECT_EQ((std::vector<wpath>{Project("d.xml"), c, aOtherwise}), recent.Projects());
  EXPECT_EQ(recent.Projects(), RecentProjects(file, 3).Projects());  // another reader sees it

  // Refused: nothing the file could not keep, and a relative path when the
  // current folder is gone (where a system lets it go).
  EXPECT_FALSE(recent.Add(home_.Path() / "two\nlines.xml"));
  const wpath previous = fs::current_path(), gone = home_.Path() / "gone";
  fs::create_directory(gone);
  fs::current_path(gone);
  boost::system::error_code kept;
  fs::remove(gone, kept);
  EXPECT_TRUE(kept || !recent.Add("relative.xml"));
  fs::current_path(previous);

  fs::remove(c);
  EXPECT_EQ(1u, recent.RemoveMissing());
  EXPECT_FALSE(recent.Remove(c));
  EXPECT_TRUE(recent.Remove(home_.Path() / "sub" / ".." / "d.xml"));
  EXPECT_TRUE(recent.Add(b));
  EXPECT_TRUE(recent.SetCapacity(1));
  EXPECT_EQ(std::vector<wpath>{b}, RecentProjects(file, 5).Projects());
}

// Another instance's change made meanwhile is kept; a file that cannot be
// written keeps the change in memory only.
TEST_F(RecentProjectsTest, ChangesStartFromTheFile) {
  RecentProjects first(file, 5), second(file, 5);
  first.Add(Project("a.xml"));
  second.Add(Project("b.xml"));
  EXPECT_EQ((std::vector<wpath>{Project("b.xml"), Project("a.xml")}), second.Projects());
  wpath readOnly = file;
  MakeFileReadOnly(readOnly);
  EXPECT_FALSE(first.Add(Project("c.xml")));
  EXPECT_EQ((std::vector<wpath>{Project("c.xml"), Project("b.xml"), Project("a.xml")}),
            first.Projects());
  EXPECT_EQ(second.Projects(), RecentProjects(file, 5).Projects());
  MakeFileReadWrite(readOnly);
}

TEST_F(RecentProjectsTest, DamagedFilesAreEmptyLists) {
  const std::string a = path_to_string(Project("a.xml")), b = path_to_string(Project("b.xml"));
  const std::pair<std::string, std::vector<wpath>> cases[] = {
      // a byte-order mark, CRLF, blank, relative and repeated lines
      {"\xEF\xBB\xBF" + a + "\r\n\r\nrelative.xml\n" + b + "\n" + a + "\n",
       {Project("a.xml"), Project("b.xml")}},
      {a + "\n" + std::string(1, '\0') + "\n", {}},
      {a + "\n" + std::string(1024 * 1024, '\n'), {}},  // larger than 1 MiB
  };
  for (const auto& c : cases) {
    ofstream(file, std::ios::binary | std::ios::trunc) << c.first;
    EXPECT_EQ(c.second, RecentProjects(file, 10).Projects());
  }
}

// The application records only when switched on, and only what it opened
// from the file or saved; a list that cannot be written never fails the save.
TEST_F(RecentProjectsTest, ApplicationRecordsOpenedAndSavedProjectsWhenAsked) {
  auto app = boost::make_shared<testing::TestApplication>();
  app->OpenDocument(Project("a.xml"));
  app->SaveDocumentAs(Project("b.xml"));
  EXPECT_FALSE(app->HasMRUFile());
  app->SetRecordRecentProjects(true);
  app->OpenDocument(Project("c.xml"));
  app->SaveDocumentAs(Project("d.xml"));
  app->OpenDocument(home_.Write("corrupt.xml", "corrupt"));  // ends as an empty document
  EXPECT_EQ((std::vector<wpath>{Project("d.xml"), Project("c.xml")}),
            RecentProjects(app->MRUFile(), 5).Projects());
  wpath list = app->MRUFile();
  MakeFileReadOnly(list);
  app->SaveDocumentAs(Project("e.xml"));
  EXPECT_EQ(Project("e.xml"), app->DocumentPath());
  MakeFileReadWrite(list);
}

}  // namespace
}  // namespace Orvanta
