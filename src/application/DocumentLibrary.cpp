#include "orvanta/application/DocumentLibrary.hpp"

#include "orvanta/application/ElectronicDocument.hpp"

namespace Orvanta {

DocumentLibrary::DocumentLibrary() = default;
DocumentLibrary::~DocumentLibrary() = default;

DocumentLibrary& DocumentLibrary::Instance() {
  static DocumentLibrary library;
  return library;
}

void DocumentLibrary::RegisterDocument(boost::shared_ptr<ElectronicDocument> document) {
  if (document) documents_.emplace(document->Name(), document);
}

boost::shared_ptr<ElectronicDocument> DocumentLibrary::FindDocument(
    const std::wstring& name) const {
  const auto found = documents_.find(name);
  return found == documents_.end() ? boost::shared_ptr<ElectronicDocument>() : found->second;
}

void DocumentLibrary::OpenDocument(const std::wstring& name) const {
  if (const auto document = FindDocument(name)) document->Open();
}

}  // namespace Orvanta
