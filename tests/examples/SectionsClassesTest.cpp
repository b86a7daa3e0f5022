// The example program's units, project file and calculation, in-process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>

#include <boost/make_shared.hpp>

#include <orvanta/platform/ModuleVersionInfo.hpp>
#include <orvanta/platform/ShellFolders.hpp>

#include "Project.hpp"
#include "PropertiesCommand.hpp"
#include "Section.hpp"
#include "SectionsApplication.hpp"
#include "TemporaryFolder.hpp"
#include "UnitSystem.hpp"

namespace {

using namespace Sections;
using Orvanta::testing::ReadFile;
using Orvanta::testing::TemporaryFolder;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

Units::Length Mm(double value) { return Units::Length(value, Units::mm); }

TEST(SectionsUnits, LengthsAreShownAndTypedInTheChosenUnit) {
  // Only the superscript run is raised, a second drawing starts afresh, and an
  // unclosed superscript does not leak into the next label.
  TerminalText text("kN/m<sup>2</sup> at 20<bold>C</bold>");
  EXPECT_EQ(text.Render(), "kN/m\u00b2 at 20C");
  EXPECT_EQ(text.Render(), "kN/m\u00b2 at 20C");
  EXPECT_EQ(TerminalText("m<sup>-1").Render(), "m\u207b\u00b9");

  const UnitSystem si = UnitSystem::Named("si"), imperial = UnitSystem::Named("imperial");
  EXPECT_EQ(Shown(Units::Length(0.3048), imperial.LengthUnit()), "12 in");
  EXPECT_EQ(Shown(Units::Area(std::numeric_limits<double>::infinity()), si.AreaUnit()),
            "\u221e cm\u00b2");
  EXPECT_EQ(InUnit(Units::Length(std::nan("")), si.LengthUnit()), "n/a");

  // Lengths are typed in any unit, or bare in the system's unit.
  EXPECT_DOUBLE_EQ(imperial.ParseLength("--width", "12").value(), 12 * 0.0254);
  EXPECT_DOUBLE_EQ(imperial.ParseLength("--width", " 0.5 m ").value(), 0.5);
  EXPECT_DOUBLE_EQ(si.ParseLength("--width", ".5").value(), 0.0005);
  for (const char* bad :
       {"", "abc", "300 kg", "3 mm\u00b2", "-1 mm", "0", "0 in", "1e999", "nan", "12 parsecs"})
    EXPECT_THROW(si.ParseLength("--width", bad), std::invalid_argument) << bad;
  EXPECT_THROW(UnitSystem::Named("metric"), std::invalid_argument);
}

// Type, name and exact dimensions of each section.
std::wstring Describe(const Project& project) {
  std::wostringstream sections;
  for (const auto& section : project.Sections()) {
    sections << section->Type() << L'|' << section->Name() << std::hexfloat;
    for (const Units::Length& dimension : section->Dimensions())
      sections << L'|' << dimension.value();
    sections << L'\n';
  }
  return sections.str();
}

class SectionsProject : public ::testing::Test {
 protected:
  SectionsProject() {
    RegisterSectionPrototypes();
    sample_->Create(MakeSection(L"Rectangle", {Units::Length(1.0 / 3.0), Mm(500)}));
    sample_->Create(MakeSection(L"Circle", {Units::Length(1e-7)}));
    sample_->Create(MakeSection(L"Square", {Units::Length(12, Units::in)}));
    sample_->Create(MakeSection(L"Strip", {Mm(200)}));
    sample_->FindSection(L"Square 1")->Rename(L"Tr\u00e4ger <A & B>");
    sample_->SaveAs(file_);
  }

  TemporaryFolder folder_;
  const Orvanta::wpath file_ = folder_.Path() / "p.xml";
  const boost::shared_ptr<Project> sample_ = boost::make_shared<Project>();
};

// The file keeps every quantity and name exactly, and a failed read changes
// nothing.
TEST_F(SectionsProject, FileKeepsEverythingOrReadsNothing) {
  const auto loaded = boost::make_shared<Project>(file_);
  EXPECT_EQ(Describe(*loaded), Describe(*sample_));
  EXPECT_FALSE(loaded->HasChanged());
  // Written again, the file is the same byte for byte.
  loaded->SaveAs(folder_.Path() / "q.xml");
  EXPECT_EQ(ReadFile(folder_.Path() / "q.xml"), ReadFile(file_));

  // The second section is bad: the first must not be loaded either.
  std::string text = ReadFile(file_);
  text.replace(text.find("<type>Circle"), 12, "<type>Hexagon");
  loaded->FindSection(L"Rectangle 1")->Rename(L"Kept");
  const auto before = Describe(*loaded);
  EXPECT_THROW(loaded->ReadFrom(folder_.Write("bad.xml", text)), std::runtime_error);
  EXPECT_EQ(Describe(*loaded), before);
}

// A read-only project is not replaced, and neither is one that another
// program saved since this one read it; each says why.
TEST_F(SectionsProject, AFailedWriteLeavesTheOldFile) {
  const std::string saved = ReadFile(file_);
  sample_->Create(MakeSection(L"Circle", {Mm(10)}));
  const auto saveFails = [&](const std::string& reason) {
    EXPECT_THAT([&] { sample_->Save(); }, ThrowsMessage<std::runtime_error>(HasSubstr(reason)));
    EXPECT_EQ(ReadFile(file_), saved);
    EXPECT_TRUE(sample_->HasChanged());
  };
  boost::filesystem::permissions(file_, boost::filesystem::owner_read);
  saveFails("read-only");
  boost::filesystem::permissions(file_, boost::filesystem::owner_all);
  boost::make_shared<Project>(file_)->SaveAs(file_);  // another program's version
  saveFails("was changed by another program since it was read");
  sample_->Revert();  // read again: its version may now be replaced
  sample_->Create(MakeSection(L"Circle", {Mm(10)}));
  sample_->Save();
  EXPECT_NE(ReadFile(file_), saved);
}

TEST_F(SectionsProject, SectionsRefuseBadDimensionsWithoutChanging) {
  auto rectangle = MakeSection(L"Rectangle", {Mm(300), Mm(500)});
  EXPECT_THROW(rectangle->SetDimensions({Mm(100), Mm(-1)}), std::invalid_argument);
  EXPECT_THROW(rectangle->SetDimensions({Mm(100)}), std::invalid_argument);
  EXPECT_EQ(rectangle->Dimensions(), std::vector<Units::Length>({Mm(300), Mm(500)}));
}

TEST_F(SectionsProject, CalculationWarnsAndFallsOutOfDateWhenASectionChanges) {
  auto project = boost::make_shared<Project>();
  project->Create(MakeSection(L"Rectangle", {Mm(100), Mm(400)}));  // exactly 4: fine
  project->Create(MakeSection(L"Rectangle", {Mm(401), Mm(100)}));  // over 4: slender
  project->Create(MakeSection(L"Circle", {Mm(4)}));                // under 5 mm
  PropertiesCommand command(project, UnitSystem::Named("si"));
  command.Rerun();
  ASSERT_EQ(command.Results().size(), 3u);
  EXPECT_TRUE(command.Results()[0].warnings.empty());
  EXPECT_EQ(command.Results()[2].warnings.size(), 1u);
  EXPECT_EQ(command.NumberOfWarnings(), 2u);
  // Area and second moment are checked in the program's report.
  EXPECT_DOUBLE_EQ(command.Results()[0].radiusOfGyration.value(), 0.4 / std::sqrt(12.0));

  project->FindSection(L"Rectangle 1")->SetDimensions({Mm(50), Mm(400)});
  project->FindSection(L"Rectangle 1")->SignalItemChanged();
  EXPECT_TRUE(command.IsOutofDate());
  command.Rerun();
  EXPECT_EQ(command.NumberOfWarnings(), 3u);
}

// The application tells its host whether the options were read at start, so
// that its own defaults are set, not saved, on a first run. (Why opening a file
// failed is shown by every command of the program.)
TEST_F(SectionsProject, ApplicationTellsAFirstRun) {
  const Orvanta::wpath data = folder_.Path() / "data";
  const auto folders = Orvanta::SetShellFolderHandler([&](int, Orvanta::wpath& folder) -> long {
    folder = data;
    return 0;
  });
  Orvanta::SetProgramVersion(1, 0, 0, 1, L"1.0.0");
  {
    SectionsApplication first;
    EXPECT_FALSE(first.LoadedUserOptionsAtStart());
    EXPECT_FALSE(boost::filesystem::exists(first.ConfigFile()));
    first.SetXSLTEngine(Orvanta::BaseApplication::MSXML);
    ASSERT_TRUE(first.SaveUserOptions());
  }
  SectionsApplication app;
  EXPECT_TRUE(app.LoadedUserOptionsAtStart());
  EXPECT_EQ(app.XSLTEngine(), Orvanta::BaseApplication::MSXML);  // the user's, kept
  Orvanta::SetShellFolderHandler(folders);
}

}  // namespace
