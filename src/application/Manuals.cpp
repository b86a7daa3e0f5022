// BaseApplication: the manuals and the help file.
#include "orvanta/application/BaseApplication.hpp"

#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

bool Available(const std::wstring& name) {
  const auto document = DocumentLibrary::Instance().FindDocument(name);
  return document && document->Find();
}

}  // namespace

void BaseApplication::RegisterManual(boost::shared_ptr<ElectronicDocument> document) {
  manuals_->RegisterDocument(document);
  DocumentLibrary::Instance().RegisterDocument(document);
}

void BaseApplication::OpenQuickStartGuide() const { manuals_->OpenDocument(QuickStartGuide()); }
void BaseApplication::OpenUserManual() const { manuals_->OpenDocument(UserManual()); }
void BaseApplication::OpenReferenceManual() const { manuals_->OpenDocument(ReferenceManual()); }
bool BaseApplication::HasQuickStartGuide() const { return Available(QuickStartGuide()); }
bool BaseApplication::HasUserManual() const { return Available(UserManual()); }
bool BaseApplication::HasReferenceManual() const { return Available(ReferenceManual()); }

void BaseApplication::OpenHelpContents() const {
  CHM(path_to_wstring(HelpFile().filename()), HelpFile().parent_path()).Open();
}

void BaseApplication::OpenHelpTopic(unsigned int topic) const {
  CHM(path_to_wstring(HelpFile().filename()), HelpFile().parent_path()).OpenTopic(topic);
}

}  // namespace Orvanta
