// Opens the input as a project file of the example host program
// (examples/sections). Opening may fail only with std::runtime_error;
// reading a bad file into an open project must leave it as it was; and a
// project that opens, saved and opened again, must hold the same sections.
#include <boost/filesystem/operations.hpp>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzCheck.hpp"
#include "Project.hpp"
#include "Section.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

// Type, name and dimensions (values and labels) of each section, in order.
std::vector<std::wstring> Contents(const Sections::Project& project) {
  std::vector<std::wstring> contents;
  for (const auto& section : project.Sections()) {
    std::wstring line = section->Type() + L'|' + section->Name();
    for (const Units::Length& dimension : section->Dimensions()) {
      const std::string value = detail::FormatExactNumber(dimension.value());
      line += L'|' + std::wstring(value.begin(), value.end()) + L' ' + dimension.Units();
    }
    contents.push_back(line);
  }
  return contents;
}

// A folder of its own for the files, removed at exit.
struct Folder {
  Folder() : path(fs::temp_directory_path() / fs::unique_path("orvanta-fuzz-%%%%-%%%%-%%%%")) {
    fs::create_directories(path);
    Sections::RegisterSectionPrototypes();
  }
  ~Folder() {
    boost::system::error_code ignored;
    fs::remove_all(path, ignored);
  }
  wpath path;
};

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  static const Folder folder;
  const wpath input = folder.path / "input.xml", saved = folder.path / "saved.xml";
  std::ofstream(input.string(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  // All or nothing: a project that cannot read the file keeps its sections.
  Sections::Project open;
  const auto kept = Sections::MakeSection(L"Rectangle", {Units::Length(0.3), Units::Length(0.5)});
  kept->Rename(L"Kept");
  open.AddItem(kept);
  const std::vector<std::wstring> before = Contents(open);
  bool read = true;
  try {
    open.ReadFrom(input);
  } catch (const std::runtime_error&) {
    read = false;
  }
  if (!read) {
    FUZZ_CHECK(Contents(open) == before);
    return 0;
  }

  // Reading through the constructor gives the same, and what is saved opens
  // to the same sections again.
  const Sections::Project project(input);
  const std::vector<std::wstring> contents = Contents(project);
  FUZZ_CHECK(Contents(open) == contents);
  project.WriteTo(saved);
  try {
    const Sections::Project again(saved);
    FUZZ_CHECK(Contents(again) == contents);
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "%s\n", error.what());
    FUZZ_CHECK(!"a saved project did not open again");
  }
  return 0;
}
