#include "orvanta/application/ElectronicDocument.hpp"

#include <boost/filesystem/operations.hpp>

#include "orvanta/application/DocumentLibrary.hpp"
#include "orvanta/platform/CoInitialize.hpp"
#include "orvanta/platform/HelpViewer.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
ElectronicDocument::ShellExecError::ShellExecError(long code)
    : Error(LibraryText(1875, {{L"<ErrorCode/>", std::to_wstring(code)}})) {}
ElectronicDocument::ShellExecError::~ShellExecError() = default;

ElectronicDocument::ElectronicDocument(const std::wstring& name, const wpath& path)
    : name_(name), path_(path) {}
ElectronicDocument::~ElectronicDocument() = default;

bool ElectronicDocument::Find() const {
  boost::system::error_code error;
  return boost::filesystem::exists(FullPath(), error);
}

PDF::AcrobatReaderNotInstalledError::AcrobatReaderNotInstalledError() : Error(LibraryText(1873)) {}
PDF::AcrobatReaderNotInstalledError::~AcrobatReaderNotInstalledError() = default;

PDF::PDFNotFoundError::PDFNotFoundError(const std::wstring& name, const wpath& path)
    : Error(LibraryText(1874, {{L"<Name/>", name}, {L"<Path/>", path_to_wstring(path)}})) {}
PDF::PDFNotFoundError::~PDFNotFoundError() = default;

PDF::AccessDeniedError::AccessDeniedError(const std::wstring& name, const wpath& path)
    : Error(LibraryText(1876, {{L"<Name/>", name}, {L"<Path/>", path_to_wstring(path)}})) {}
PDF::AccessDeniedError::~AccessDeniedError() = default;

PDF::PDF(const std::wstring& name, const wpath& path) : ElectronicDocument(name, path) {}

void PDF::Open() const {
  const CoInitialize com(2);
  const long code = ShellOpen(L"", FullPath(), L"", Path(), 10);
  if (code > 32) return;
  switch (code) {
    case ShellOpenFileNotFound:
    case ShellOpenPathNotFound:
      throw PDFNotFoundError(Name(), Path());
    case ShellOpenAccessDenied:
      throw AccessDeniedError(Name(), Path());
    case ShellOpenNoAssociation:
      throw AcrobatReaderNotInstalledError();
    default:
      throw ShellExecError(code);
  }
}

void PDF::OpenTopic(unsigned int) const { Open(); }

HLP::HLP(const std::wstring& name, const wpath& path) : ElectronicDocument(name, path) {}
void HLP::Open() const { OpenWinHelp(FullPath(), WinHelpContents, 0); }
void HLP::OpenTopic(unsigned int topic) const { OpenWinHelp(FullPath(), WinHelpContext, topic); }

CHM::CHM(const std::wstring& name, const wpath& path) : ElectronicDocument(name, path) {}
void CHM::Open() const { OpenHtmlHelp(FullPath(), HtmlHelpDisplayToc, 0); }
void CHM::OpenTopic(unsigned int topic) const { OpenHtmlHelp(FullPath(), HtmlHelpContext, topic); }

}  // namespace Orvanta
