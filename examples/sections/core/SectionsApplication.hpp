// The program's application object: its identity, report files and the
// project factories. Both front ends, the command line and the window, make
// one after SetProgramVersion and RegisterSectionPrototypes.
#pragma once

#include <boost/shared_ptr.hpp>

#include <orvanta/application/BaseApplication.hpp>
#include <orvanta/application/LatestVersion.hpp>

#include "Project.hpp"

namespace Sections {

class SectionsApplication : public Orvanta::BaseApplication {
 public:
  // Reads the options (and the command line's -log and -nosplash). On a
  // first run, with no options file yet, the report engine is xsltproc,
  // which ships beside the program. Projects opened, or saved under a new
  // name, go first in the recent projects.
  SectionsApplication();

  std::wstring ReportTitle() const override { return L"Section properties"; }
  std::wstring ReportStyleSheet() const override { return L"report.css"; }
  Orvanta::wpath ReportTransform(const Orvanta::wpath& xml) const override;
  boost::shared_ptr<Orvanta::BaseDocument> MakeNewDocument() override;
  // Throws std::runtime_error for a file that is no project (Project's
  // constructor); OpenDocument then leaves an empty project, and says why in
  // OpenDocumentError().
  boost::shared_ptr<Orvanta::BaseDocument> MakeDocumentFromFile(
      const Orvanta::wpath& path) override;

  // The limits of the latest-version check: it gives up after 10 seconds,
  // and sooner on a connection that does not answer.
  static Orvanta::LatestVersionOptions VersionCheckLimits();

  // The current document as a project (null when there is none).
  boost::shared_ptr<Project> CurrentProject() const;
};

}  // namespace Sections
