// DocumentLibrary: electronic documents registered by name.
//
//   auto manual = boost::make_shared<Orvanta::PDF>(L"User Manual.pdf", manuals);
//   Orvanta::DocumentLibrary::Instance().RegisterDocument(manual);
//   Orvanta::DocumentLibrary::Instance().OpenDocument(L"User Manual.pdf");
//
// There is a process-wide library, and each application keeps one of its own.
// BaseApplication::RegisterManual registers in both, so that the application's
// Has... queries (which consult the process-wide one) and Open... operations
// (which use its own) agree.
#pragma once

#include <map>
#include <string>

#include <boost/shared_ptr.hpp>

#include "orvanta/application/ElectronicDocument.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API DocumentLibrary {
 public:
  DocumentLibrary();
  ~DocumentLibrary();

  // The process-wide library, made on first use.
  static DocumentLibrary& Instance();

  // Registers under the document's Name(); a name already present keeps its
  // first document.
  void RegisterDocument(boost::shared_ptr<ElectronicDocument> document);
  boost::shared_ptr<ElectronicDocument> FindDocument(const std::wstring& name) const;
  // Opens the document so named; nothing when there is none.
  void OpenDocument(const std::wstring& name) const;

 private:
  std::map<std::wstring, boost::shared_ptr<ElectronicDocument>> documents_;
};

}  // namespace Orvanta
