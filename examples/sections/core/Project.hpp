// A project: the document of cross-sections, kept in the program's own XML
// file.
#pragma once

#include <map>

#include <boost/shared_ptr.hpp>

#include <orvanta/documents/BaseDocument.hpp>
#include <orvanta/platform/FileStream.hpp>

#include "Section.hpp"

namespace Sections {

class Project : public Orvanta::BaseDocument {
 public:
  // A new, unsaved project.
  Project();
  // The project in `path`; throws std::runtime_error when the file cannot be
  // read or is no project of this program.
  explicit Project(const Orvanta::wpath& path);

  // Replaces the content by the file's, all or nothing. A name with a
  // control character, which no report could show, is refused.
  void ReadFrom(const Orvanta::wpath& path) override;
  // Writes `path` through the library's careful writer: a failed write never
  // leaves a damaged project, and a file that another program saved since
  // this one read it is not overwritten (std::runtime_error says so).
  void WriteTo(const Orvanta::wpath& path) const override;

  // The sections, in document order.
  std::vector<boost::shared_ptr<SectionItem>> Sections() const;
  // The section so named, or null.
  boost::shared_ptr<SectionItem> FindSection(const std::wstring& name);

 private:
  // The version of each file this project was read from or saved to.
  mutable std::map<Orvanta::wpath, Orvanta::FileStamp> stamps_;
};

}  // namespace Sections
