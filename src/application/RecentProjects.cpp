// RecentProjects: the list of recent projects and its file, and the
// application's own list.
#include "orvanta/application/RecentProjects.hpp"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <boost/filesystem/exception.hpp>
#include <boost/filesystem/operations.hpp>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

// A list of paths is a small text; a larger file is not one.
constexpr std::size_t kLargestFile = 1024 * 1024;
// How often a change is tried again when another program replaced the file
// between the reading and the writing.
constexpr int kAttempts = 3;

// Tells the entries for one file apart: its volume and id where it can be
// opened, and its lexically normal spelling in any case.
class Entries {
 public:
  // False when `project` names a file already seen; records it otherwise.
  bool Insert(const wpath& project) {
    const InputFile file(project);
    const FileStamp stamp = file.Stamp();
    const bool newId = !(file.is_open() && stamp.exists) ||
                       ids_.insert(std::make_pair(stamp.volume, stamp.file)).second;
    const bool newSpelling = spellings_.insert(project.lexically_normal()).second;
    return newId && newSpelling;
  }

 private:
  std::set<std::pair<std::uint64_t, std::uint64_t>> ids_;
  std::set<wpath> spellings_;
};

// `projects` with every entry for a file seen earlier in it taken out, at
// most `capacity` long.
std::vector<wpath> Distinct(const std::vector<wpath>& projects, unsigned int capacity) {
  std::vector<wpath> distinct;
  Entries seen;
  for (const wpath& project : projects) {
    if (distinct.size() >= capacity) break;
    if (seen.Insert(project)) distinct.push_back(project);
  }
  return distinct;
}

bool SameFile(const wpath& a, const wpath& b) {
  Entries seen;
  seen.Insert(a);
  return !seen.Insert(b);
}

struct ListFile {
  std::vector<wpath> projects;
  FileStamp stamp;  // of the version read; a default stamp when none was
};

ListFile ReadList(const wpath& file, unsigned int capacity) {
  ListFile list;
  InputFile in(file);
  if (!in.is_open()) return list;
  list.stamp = in.Stamp();
  std::string text(kLargestFile + 1, '\0');
  in.read(&text[0], static_cast<std::streamsize>(text.size()));
  if (in.bad() || static_cast<std::size_t>(in.gcount()) > kLargestFile) return list;
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.find('\0') != std::string::npos) return list;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);

  std::vector<wpath> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    const wpath project = string_to_path(line);
    if (!line.empty() && project.is_absolute()) lines.push_back(project);
  }
  list.projects = Distinct(lines, capacity);
  return list;
}

// `project` made absolute against the current folder into `absolute`; false
// for a path the file cannot keep (empty, or holding a line break) and when
// the current folder cannot be told.
bool Absolute(const wpath& project, wpath& absolute) {
  if (project.empty() || path_to_string(project).find_first_of("\r\n") != std::string::npos)
    return false;
  try {
    absolute = fs::absolute(project);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace

RecentProjects::RecentProjects(const wpath& file, unsigned int capacity)
    : file_(file), capacity_(capacity), projects_(ReadList(file, capacity).projects) {}

RecentProjects::~RecentProjects() = default;

template <class Change>
bool RecentProjects::Update(Change change) {
  std::vector<wpath> projects = projects_;
  bool written = false;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    ListFile list = ReadList(file_, capacity_);
    projects = std::move(list.projects);
    if (!change(projects)) {
      written = true;
      break;
    }
    try {
      SafeFileWriter out(file_, list.stamp);
      for (const wpath& project : projects) out.Stream() << path_to_string(project) << '\n';
      out.Commit();
      written = true;
      break;
    } catch (const fs::filesystem_error& error) {
      if (error.code() != make_error_code(FileError::ChangedSinceRead)) break;
    } catch (const std::exception&) {
      break;
    }
  }
  Replace(std::move(projects));
  return written;
}

void RecentProjects::Replace(std::vector<wpath> projects) {
  if (projects == projects_) return;
  projects_ = std::move(projects);
  changed_.Raise();
}

bool RecentProjects::Add(const wpath& project) {
  wpath absolute;
  if (!Absolute(project, absolute)) return false;
  return Update([&](std::vector<wpath>& projects) {
    std::vector<wpath> added{absolute};
    added.insert(added.end(), projects.begin(), projects.end());
    added = Distinct(added, capacity_);
    if (added == projects) return false;
    projects = std::move(added);
    return true;
  });
}

bool RecentProjects::Remove(const wpath& project) {
  wpath absolute;
  if (!Absolute(project, absolute)) return false;
  bool found = false;
  const bool written = Update([&](std::vector<wpath>& projects) {
    found = false;
    for (auto entry = projects.begin(); entry != projects.end(); ++entry) {
      if (SameFile(*entry, absolute)) {
        projects.erase(entry);
        found = true;
        return true;
      }
    }
    return false;
  });
  return found && written;
}

std::size_t RecentProjects::RemoveMissing() {
  std::size_t removed = 0;
  Update([&](std::vector<wpath>& projects) {
    std::vector<wpath> present;
    for (const wpath& project : projects) {
      // Only a file that is certainly not there: a folder that may not be
      // read gives an error status, and the entry stays.
      boost::system::error_code error;
      if (fs::status(project, error).type() != fs::file_not_found) present.push_back(project);
    }
    removed = projects.size() - present.size();
    projects = std::move(present);
    return removed != 0;
  });
  return removed;
}

bool RecentProjects::Clear() {
  return Update([](std::vector<wpath>& projects) {
    projects.clear();
    return true;
  });
}

bool RecentProjects::SetCapacity(unsigned int capacity) {
  capacity_ = capacity;
  if (projects_.size() <= capacity) return true;
  return Update([](std::vector<wpath>&) { return true; });
}

void RecentProjects::Reload() { Replace(ReadList(file_, capacity_).projects); }

RecentProjects& BaseApplication::Recent() const {
  if (!recent_)
    recent_.reset(new RecentProjects(MRUFile(), MaxNumRecentProjects()));
  else if (recent_->Capacity() != MaxNumRecentProjects())
    recent_->SetCapacity(MaxNumRecentProjects());
  return *recent_;
}

}  // namespace Orvanta
