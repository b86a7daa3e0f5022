// Opens the input as a project file of the example host program
// (examples/sections). Opening may fail only with std::runtime_error;
// reading a bad file into an open project must leave it as it was; and a
// project that opens, saved and opened again, must hold the same sections.
#include <sstream>
#include <stdexcept>

#include "FuzzCheck.hpp"
#include "Project.hpp"
#include "Section.hpp"
#include "TemporaryFolder.hpp"

namespace {

using Sections::Project;

// Type, name and exact dimensions of each section.
std::wstring Contents(const Project& project) {
  std::wostringstream contents;
  for (const auto& section : project.Sections()) {
    contents << section->Type() << L'|' << section->Name() << std::hexfloat;
    for (const auto& dimension : section->Dimensions())
      contents << L'|' << dimension.value() << dimension.Units();
    contents << L'\n';
  }
  return contents.str();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Sections::RegisterSectionPrototypes();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  static const testing::TemporaryFolder folder;
  const wpath input = folder.Write("input.xml", fuzz::Bytes(data, size));
  Project open;
  open.AddItem(Sections::MakeSection(L"Rectangle", {Units::Length(0.3), Units::Length(0.5)}));
  const std::wstring before = Contents(open);
  try {
    open.ReadFrom(input);
  } catch (const std::runtime_error&) {
    FUZZ_CHECK(Contents(open) == before);
    return 0;
  }
  const Project project(input);
  FUZZ_CHECK(Contents(open) == Contents(project));
  project.WriteTo(folder.Path() / "saved.xml");
  FUZZ_CHECK(Contents(Project(folder.Path() / "saved.xml")) == Contents(project));
  return 0;
}
