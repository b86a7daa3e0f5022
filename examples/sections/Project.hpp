// A project: the document of cross-sections, kept in the program's own XML
// file.
#pragma once

#include <boost/shared_ptr.hpp>

#include <orvanta/documents/BaseDocument.hpp>

#include "SectionItems.hpp"

namespace Sections {

class Project : public Orvanta::BaseDocument {
 public:
  // A new, unsaved project.
  Project();
  // The project in `path`; throws std::runtime_error when the file cannot be
  // read or is no project of this program.
  explicit Project(const Orvanta::wpath& path);

  // Replaces the content by the file's, all or nothing.
  void ReadFrom(const Orvanta::wpath& path) override;
  // Writes a temporary file beside `path`, then renames it over `path`, so a
  // failed write never leaves a damaged project (nor the temporary file).
  void WriteTo(const Orvanta::wpath& path) const override;

  // The sections, in document order.
  std::vector<boost::shared_ptr<SectionItem>> Sections() const;
  // The section so named, or null.
  boost::shared_ptr<SectionItem> FindSection(const std::wstring& name);
};

}  // namespace Sections
