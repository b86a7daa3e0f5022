#include "Project.hpp"

#include <stdexcept>
#include <string>
#include <vector>

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/filesystem/operations.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/vector.hpp>

#include <orvanta/frame/XmlInputArchive.hpp>
#include <orvanta/platform/TextConversion.hpp>
#include "orvanta/platform/FileStream.hpp"

namespace Sections {
namespace {

namespace fs = boost::filesystem;

// One section as the file holds it: its factory id, its name and its
// dimensions in the order of the class's DimensionNames().
struct SectionRecord {
  std::string type;
  std::string name;
  std::vector<Units::Length> dimensions;

  template <class Archive>
  void serialize(Archive& archive, unsigned int) {
    archive& boost::serialization::make_nvp("type", type);
    archive& boost::serialization::make_nvp("name", name);
    archive& boost::serialization::make_nvp("dimensions", dimensions);
  }
};

struct ProjectRecord {
  std::vector<SectionRecord> sections;

  template <class Archive>
  void serialize(Archive& archive, unsigned int) {
    archive& boost::serialization::make_nvp("sections", sections);
  }
};

std::string Narrow(const Orvanta::wpath& path) { return Orvanta::path_to_string(path); }

}  // namespace

Project::Project() : BaseDocument(true) {}

Project::Project(const Orvanta::wpath& path) : BaseDocument(path, true) { ReadFrom(path); }

void Project::ReadFrom(const Orvanta::wpath& path) {
  ProjectRecord record;
  Orvanta::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the project file '" + Narrow(path) + "'");
  try {
    Orvanta::XmlInputArchive archive(in);
    archive >> boost::serialization::make_nvp("project", record);
  } catch (const boost::archive::archive_exception& error) {
    // A stream error's text ends in whatever errno last held: leave it out.
    const std::string reason = error.code == boost::archive::archive_exception::input_stream_error
                                   ? "it is not a project archive"
                                   : error.what();
    throw std::runtime_error("the project file '" + Narrow(path) +
                             "' is not a valid Sections project (" + reason + ")");
  } catch (const std::exception& error) {
    throw std::runtime_error("the project file '" + Narrow(path) +
                             "' is not a valid Sections project (" + error.what() + ")");
  }

  // Every section is made and checked before the document changes.
  std::vector<boost::shared_ptr<SectionItem>> sections;
  std::vector<std::wstring> names;
  for (const SectionRecord& entry : record.sections) {
    try {
      const boost::shared_ptr<SectionItem> section =
          MakeSection(Orvanta::string_to_wstring(entry.type), entry.dimensions);
      const std::wstring name = Orvanta::string_to_wstring(entry.name);
      if (name.empty()) throw std::invalid_argument("a section has no name");
      for (const std::wstring& used : names)
        if (used == name) throw std::invalid_argument("two sections are named '" + entry.name + "'");
      names.push_back(name);
      section->Rename(name);
      sections.push_back(section);
    } catch (const std::exception& error) {
      throw std::runtime_error("the project file '" + Narrow(path) +
                               "' is not a valid Sections project (" + error.what() + ")");
    }
  }

  const bool notify = SetNotify(false);
  ClearItems();
  for (const auto& section : sections) AddItem(section);
  SetNotify(notify);
  HasChanged(false);
}

void Project::WriteTo(const Orvanta::wpath& path) const {
  ProjectRecord record;
  for (const auto& section : Sections()) {
    SectionRecord entry;
    entry.type = Orvanta::wstring_to_string(section->Type());
    entry.name = Orvanta::wstring_to_string(section->Name());
    entry.dimensions = section->Dimensions();
    record.sections.push_back(entry);
  }
  const Orvanta::wpath temporary = path.parent_path() / Orvanta::wstring_to_path(Orvanta::path_to_wstring(path.filename()) + L".new");
  Orvanta::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write the project file '" + Narrow(path) + "'");
  // From here on the temporary file is ours: whatever fails removes it.
  try {
    {
      boost::archive::xml_oarchive archive(out);
      archive << boost::serialization::make_nvp("project", record);
    }
    out.close();
    if (out.fail())
      throw std::runtime_error("cannot write the project file '" + Narrow(path) + "'");
    fs::rename(temporary, path);
  } catch (...) {
    out.close();
    boost::system::error_code ignored;
    fs::remove(temporary, ignored);
    throw;
  }
}

std::vector<boost::shared_ptr<SectionItem>> Project::Sections() const {
  std::vector<boost::shared_ptr<SectionItem>> sections;
  for (const Orvanta::ItemPtr& item : Items())
    if (auto section = boost::dynamic_pointer_cast<SectionItem>(item)) sections.push_back(section);
  return sections;
}

boost::shared_ptr<SectionItem> Project::FindSection(const std::wstring& name) {
  return boost::dynamic_pointer_cast<SectionItem>(FindItem(name));
}

}  // namespace Sections
