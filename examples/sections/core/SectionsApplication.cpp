#include "SectionsApplication.hpp"

#include <boost/make_shared.hpp>

namespace Sections {

SectionsApplication::SectionsApplication()
    : BaseApplication(nullptr, L"Sections", L"SEC", boost::gregorian::date(2026, 12, 5),
                      L"Cross-section properties", L"Sections.xml", L"Sections.log",
                      L"Sections.chm") {
  // Our default differs from the library's: set, not saved, so that it
  // becomes the user's only when the user saves the options.
  if (!LoadedUserOptionsAtStart()) SetXSLTEngine(XSLTProc);
  SetRecordRecentProjects(true);
}

Orvanta::wpath SectionsApplication::ReportTransform(const Orvanta::wpath&) const {
  return ReportsPath() / "report.xsl";
}

boost::shared_ptr<Orvanta::BaseDocument> SectionsApplication::MakeNewDocument() {
  return boost::make_shared<Project>();
}

boost::shared_ptr<Orvanta::BaseDocument> SectionsApplication::MakeDocumentFromFile(
    const Orvanta::wpath& path) {
  return boost::make_shared<Project>(path);
}

Orvanta::LatestVersionOptions SectionsApplication::VersionCheckLimits() {
  Orvanta::LatestVersionOptions limits;
  limits.connectTimeout = std::chrono::seconds(5);
  limits.totalTimeout = std::chrono::seconds(10);
  limits.lowSpeedLimit = 16;  // bytes a second, at least, over
  limits.lowSpeedTime = std::chrono::seconds(5);
  return limits;
}

boost::shared_ptr<Project> SectionsApplication::CurrentProject() const {
  return boost::dynamic_pointer_cast<Project>(GetDocument());
}

}  // namespace Sections
