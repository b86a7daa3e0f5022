#include "Project.hpp"

#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/filesystem/exception.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/tracking.hpp>
#include <boost/serialization/vector.hpp>

#include <orvanta/frame/XmlInputArchive.hpp>
#include <orvanta/platform/FileStream.hpp>
#include <orvanta/platform/SafeFileWriter.hpp>
#include <orvanta/platform/TextConversion.hpp>

namespace Sections {
namespace {

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

// XML 1.0 cannot carry the C0 control characters (not even as references),
// so a name holding one could never be written into a report.
bool HoldsControlCharacter(const std::wstring& text) {
  for (const wchar_t c : text)
    if (c < 0x20) return true;
  return false;
}

}  // namespace
}  // namespace Sections

// A section record is never pointed to: the archive may move it, so a file's
// sections take memory as they are read, not as many as the file claims.
BOOST_CLASS_TRACKING(Sections::SectionRecord, boost::serialization::track_never)

namespace Sections {

Project::Project() : BaseDocument(true) {}

Project::Project(const Orvanta::wpath& path) : BaseDocument(path, true) { ReadFrom(path); }

void Project::ReadFrom(const Orvanta::wpath& path) {
  ProjectRecord record;
  // A regular file only: a FIFO in its place is refused, never waited for.
  Orvanta::InputFile in(path);
  if (!in.is_open())
    throw std::runtime_error("cannot read the project file '" + Narrow(path) +
                             "': " + in.Error().message());
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
  std::unordered_set<std::wstring> names;
  for (const SectionRecord& entry : record.sections) {
    try {
      const boost::shared_ptr<SectionItem> section =
          MakeSection(Orvanta::string_to_wstring(entry.type), entry.dimensions);
      const std::wstring name = Orvanta::string_to_wstring(entry.name);
      if (name.empty()) throw std::invalid_argument("a section has no name");
      if (HoldsControlCharacter(name))
        throw std::invalid_argument("a section name holds a control character");
      if (!names.insert(name).second)
        throw std::invalid_argument("two sections are named '" + entry.name + "'");
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
  stamps_[path] = in.Stamp();
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
  // The version read from `path` (if any) is the one replaced: a file another
  // program saved meanwhile is not overwritten.
  const auto read = stamps_.find(path);
  try {
    std::unique_ptr<Orvanta::SafeFileWriter> file(
        read != stamps_.end() ? new Orvanta::SafeFileWriter(path, read->second)
                              : new Orvanta::SafeFileWriter(path));
    try {
      boost::archive::xml_oarchive archive(file->Stream());
      archive << boost::serialization::make_nvp("project", record);
    } catch (const boost::archive::archive_exception&) {
      if (file->Stream()) throw;  // else the write failed: Commit tells why
    }
    stamps_[path] = file->Commit();
  } catch (const boost::filesystem::filesystem_error& error) {
    if (error.code() == Orvanta::FileError::ChangedSinceRead)
      throw std::runtime_error("the project file '" + Narrow(path) +
                               "' was changed by another program since it was read; nothing "
                               "was saved (run the command again)");
    throw std::runtime_error("cannot write the project file '" + Narrow(path) +
                             "': " + error.code().message());
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
