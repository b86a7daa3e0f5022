// The example program's units, project file and calculation, in-process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>

#include <boost/make_shared.hpp>

#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/ModuleVersionInfo.hpp>
#include <orvanta/platform/ShellFolders.hpp>

#include "HubJournal.hpp"
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
using ::testing::StartsWith;
using ::testing::ThrowsMessage;

Units::Length Mm(double value) { return Units::Length(value, Units::mm); }

TEST(SectionsUnits, ValuesAndLabelsAreShownWithSuperscriptsInTheChosenUnit) {
  EXPECT_EQ(ShownLabel(Units::m4.Units()), "m\u2074");
  EXPECT_EQ(ShownLabel(Units::mm2.Units()), "mm\u00b2");
  EXPECT_EQ(ShownLabel(Units::in3.Units()), "in\u00b3");
  EXPECT_EQ(ShownLabel(Units::mm.Units()), "mm");
  EXPECT_EQ(TaggedLabel(Units::cm4.Units()), "cm<sup>4</sup>");
  // Only the superscript run is raised, a second drawing starts afresh, and an
  // unclosed superscript does not leak into the next label.
  TerminalText text("kN/m<sup>2</sup> at 20<bold>C</bold>");
  EXPECT_EQ(text.Render(), "kN/m\u00b2 at 20C");
  EXPECT_EQ(text.Render(), "kN/m\u00b2 at 20C");
  EXPECT_EQ(TerminalText("m<sup>-1").Render(), "m\u207b\u00b9");
  EXPECT_EQ(TerminalText("m 2").Render(), "m 2");

  const UnitSystem si = UnitSystem::Named("si"), imperial = UnitSystem::Named("imperial");
  const Units::SecondMomentOfArea i = Mm(300) * Mm(500) * Mm(500) * Mm(500) / 12.0;
  EXPECT_EQ(Shown(i, si.SecondMomentUnit()), "312500 cm\u2074");
  EXPECT_EQ(Shown(Units::Length(0.3048), imperial.LengthUnit()), "12 in");
  EXPECT_EQ(Shown(Units::Area(std::numeric_limits<double>::infinity()), si.AreaUnit()),
            "\u221e cm\u00b2");
  EXPECT_EQ(InUnit(Units::Length(std::nan("")), si.LengthUnit()), "n/a");
}

TEST(SectionsUnits, LengthsAreTypedInAnyUnitOrBareInTheSystemsUnit) {
  const UnitSystem si = UnitSystem::Named("si"), imperial = UnitSystem::Named("imperial");
  EXPECT_DOUBLE_EQ(si.ParseLength("--width", "300").value(), 0.3);
  EXPECT_DOUBLE_EQ(imperial.ParseLength("--width", "12").value(), 12 * 0.0254);
  EXPECT_DOUBLE_EQ(si.ParseLength("--width", "12in").value(), 12 * 0.0254);
  EXPECT_DOUBLE_EQ(imperial.ParseLength("--width", " 0.5 m ").value(), 0.5);
  EXPECT_DOUBLE_EQ(si.ParseLength("--width", "2 ft").value(), 0.6096);
  EXPECT_DOUBLE_EQ(si.ParseLength("--width", ".5").value(), 0.0005);
  for (const char* bad :
       {"", "abc", "300 kg", "3 mm\u00b2", "-1 mm", "0", "0 in", "1e999", "nan", "12 parsecs"})
    EXPECT_THROW(si.ParseLength("--width", bad), std::invalid_argument) << bad;
  EXPECT_THAT(
      [&] { si.ParseLength("--depth", "300 kg"); },
      ThrowsMessage<std::invalid_argument>(StartsWith("--depth: '300 kg' is not a length")));
  EXPECT_THROW(UnitSystem::Named("metric"), std::invalid_argument);
}

// Type, name and exact dimensions of each section.
std::vector<std::wstring> Describe(const Project& project) {
  std::vector<std::wstring> sections;
  for (const auto& section : project.Sections()) {
    std::wostringstream line;
    line << section->Type() << L'|' << section->Name() << std::hexfloat;
    for (const Units::Length& dimension : section->Dimensions()) line << L'|' << dimension.value();
    sections.push_back(line.str());
  }
  return sections;
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

  std::string twice = ReadFile(file_);
  twice.replace(twice.find("<name>Circle 1"), 14, "<name>Strip 1");
  EXPECT_THROW(Project(folder_.Write("twice.xml", twice)), std::runtime_error);
  EXPECT_THROW(Project(folder_.Write("empty.xml", "")), std::runtime_error);
}

// A read-only project is not replaced, and neither is one that another
// program saved since this one read it; each says why.
TEST_F(SectionsProject, AFailedWriteLeavesTheOldFile) {
  std::string saved = ReadFile(file_);
  sample_->Create(MakeSection(L"Circle", {Mm(10)}));
  const auto saveFails = [&](const std::string& reason) {
    EXPECT_THAT([&] { sample_->Save(); }, ThrowsMessage<std::runtime_error>(HasSubstr(reason)));
    EXPECT_EQ(ReadFile(file_), saved);
    EXPECT_TRUE(sample_->HasChanged());
  };
  boost::filesystem::permissions(file_, boost::filesystem::owner_read);
  saveFails("read-only");
  boost::filesystem::permissions(file_, boost::filesystem::owner_all);
  boost::make_shared<Project>(file_)->SaveAs(folder_.Path() /
                                             "other.xml");  // another program's version
  saved = ReadFile(folder_.Path() / "other.xml");
  boost::filesystem::rename(folder_.Path() / "other.xml", file_);
  saveFails("was changed by another program since it was read");
  sample_->Revert();  // read again: its version may now be replaced
  sample_->Create(MakeSection(L"Circle", {Mm(10)}));
  sample_->Save();
  EXPECT_NE(ReadFile(file_), saved);
}
// Loading takes time in proportion to the sections: eight times the sections
// take about eight times as long (a check of each name against every other
// took sixty-four).
TEST_F(SectionsProject, LoadingTakesLinearTime) {
  const auto secondsToLoad = [&](int sections) {
    auto project = boost::make_shared<Project>();
    const bool notify = project->SetNotify(false);
    for (int i = 0; i < sections; ++i) project->Create(MakeSection(L"Square", {Mm(10)}));
    project->SetNotify(notify);
    const Orvanta::wpath file = folder_.Path() / ("n" + std::to_string(sections) + ".xml");
    project->SaveAs(file);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
      const auto start = std::chrono::steady_clock::now();
      project->ReadFrom(file);
      best = std::min(
          best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    EXPECT_EQ(static_cast<std::size_t>(sections), project->NumItems());
    return best;
  };
  const double small = secondsToLoad(5000), large = secondsToLoad(40000);
  EXPECT_LT(large, 20 * small) << small << " s, then " << large << " s";
}

TEST_F(SectionsProject, SectionsRefuseBadDimensionsWithoutChanging) {
  auto rectangle = MakeSection(L"Rectangle", {Mm(300), Mm(500)});
  EXPECT_THROW(rectangle->SetDimensions({Mm(100), Mm(-1)}), std::invalid_argument);
  EXPECT_THROW(rectangle->SetDimensions({Mm(100)}), std::invalid_argument);
  EXPECT_EQ(rectangle->Dimensions()[0], Mm(300));
  EXPECT_EQ(rectangle->Dimensions()[1], Mm(500));
  EXPECT_THROW(MakeSection(L"Hexagon", {Mm(1)}), std::invalid_argument);
  EXPECT_THROW(MakeSection(L"Circle", {Units::Length(std::nan(""))}), std::invalid_argument);
}

TEST_F(SectionsProject, CalculationWarnsAndFallsOutOfDateWhenASectionChanges) {
  auto project = boost::make_shared<Project>();
  project->Create(MakeSection(L"Rectangle", {Mm(100), Mm(400)}));  // exactly 4: fine
  project->Create(MakeSection(L"Rectangle", {Mm(401), Mm(100)}));  // over 4: slender
  project->Create(MakeSection(L"Circle", {Mm(4)}));                // under 5 mm
  PropertiesCommand command(project, UnitSystem::Named("si"));
  command.Rerun();
  ASSERT_TRUE(command.IsFinished());
  ASSERT_EQ(command.Results().size(), 3u);
  EXPECT_TRUE(command.Results()[0].warnings.empty());
  EXPECT_EQ(command.Results()[2].warnings.size(), 1u);
  EXPECT_EQ(command.NumberOfWarnings(), 2u);
  EXPECT_EQ(command.Log()->Children().size(), 3u);

  const SectionProperties& first = command.Results()[0];
  EXPECT_DOUBLE_EQ(first.area.value(), 0.1 * 0.4);
  EXPECT_DOUBLE_EQ(first.secondMoment.value(), 0.1 * std::pow(0.4, 3) / 12);
  EXPECT_DOUBLE_EQ(first.radiusOfGyration.value(), 0.4 / std::sqrt(12.0));

  auto section = project->FindSection(L"Rectangle 1");
  section->SetDimensions({Mm(50), Mm(400)});
  section->SignalItemChanged();
  EXPECT_TRUE(command.IsOutofDate());
  command.Rerun();
  EXPECT_EQ(command.NumberOfWarnings(), 3u);
}

// What the application tells its host: whether the options were read at
// start (so that its own defaults are set, not saved, on a first run), and why
// opening a file fell back to an empty project (which a host that saves
// without asking must not take for the file).
TEST_F(SectionsProject, ApplicationTellsAFirstRunAndAFailedOpening) {
  const Orvanta::wpath data = folder_.Path() / "data";
  const auto folders = Orvanta::SetShellFolderHandler([&](int, Orvanta::wpath& folder) -> long {
    folder = data;
    return 0;
  });
  Orvanta::SetProgramVersion(1, 0, 0, 1, L"1.0.0");
  {
    SectionsApplication first;
    EXPECT_FALSE(first.LoadedUserOptionsAtStart());
    EXPECT_EQ(first.XSLTEngine(), Orvanta::BaseApplication::XSLTProc);
    EXPECT_FALSE(boost::filesystem::exists(first.ConfigFile()));
    first.SetXSLTEngine(Orvanta::BaseApplication::MSXML);
    ASSERT_TRUE(first.SaveUserOptions());
  }
  SectionsApplication app;
  EXPECT_TRUE(app.LoadedUserOptionsAtStart());
  EXPECT_EQ(app.XSLTEngine(), Orvanta::BaseApplication::MSXML);  // the user's, kept

  app.OpenDocument(folder_.Write("bad.xml", "<not a project"));
  EXPECT_NE(app.OpenDocumentError().find(L"bad.xml"), std::wstring::npos)
      << app.OpenDocumentError();
  ASSERT_TRUE(app.CurrentProject());
  EXPECT_EQ(app.CurrentProject()->NumItems(), 0u);
  // The empty project has no file: closing it asks, and is answered No.
  Orvanta::testing::HubJournal journal;
  journal.otherwise = Orvanta::AnswerNo;
  app.OpenDocument(file_);
  EXPECT_TRUE(app.OpenDocumentError().empty());
  EXPECT_EQ(app.CurrentProject()->NumItems(), 4u);
  Orvanta::SetShellFolderHandler(folders);
}

}  // namespace
