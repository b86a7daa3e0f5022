// Opens the input as a project file of the example host program
// (examples/sections). Opening may fail only with std::runtime_error;
// reading a bad file into an open project must leave it as it was; and a
// project that opens, saved and opened again, must hold the same sections.
#include <stdexcept>
#include <string>

#include "FuzzCheck.hpp"
#include "Project.hpp"
#include "Section.hpp"
#include "TemporaryFolder.hpp"

namespace {

using Sections::Project;

// A folder of its own for the files, removed at exit.
const Orvanta::testing::TemporaryFolder& Folder() {
  static const Orvanta::testing::TemporaryFolder folder;
  return folder;
}

// Type, name and dimensions (exact values and labels) of each section.
std::wstring Contents(const Project& project) {
  std::wstring contents;
  for (const auto& section : project.Sections()) {
    contents += section->Type() + L'|' + section->Name();
    for (const Orvanta::Units::Length& dimension : section->Dimensions()) {
      const std::string value = Orvanta::detail::FormatExactNumber(dimension.value());
      contents += L'|' + std::wstring(value.begin(), value.end()) + L' ' + dimension.Units();
    }
    contents += L'\n';
  }
  return contents;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Sections::RegisterSectionPrototypes();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const wpath input = Folder().Write("input.xml", fuzz::Bytes(data, size));

  // All or nothing: a project that cannot read the file keeps its sections.
  Project open;
  const auto kept = Sections::MakeSection(L"Rectangle", {Units::Length(0.3), Units::Length(0.5)});
  kept->Rename(L"Kept");
  open.AddItem(kept);
  const std::wstring before = Contents(open);
  try {
    open.ReadFrom(input);
  } catch (const std::runtime_error&) {
    FUZZ_CHECK(Contents(open) == before);
    return 0;
  }

  // Reading through the constructor gives the same, and what is saved opens
  // to the same sections again.
  const Project project(input);
  const std::wstring contents = Contents(project);
  FUZZ_CHECK(Contents(open) == contents);
  const wpath saved = Folder().Path() / "saved.xml";
  project.WriteTo(saved);
  try {
    FUZZ_CHECK(Contents(Project(saved)) == contents);
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "%s\n", error.what());
    FUZZ_CHECK(!"a saved project did not open again");
  }
  return 0;
}
