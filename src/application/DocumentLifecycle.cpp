// BaseApplication: the current document's lifecycle.
#include <boost/filesystem/operations.hpp>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

int AskToSave(const std::wstring& question) {
  return ShowMessageBox(question, LibraryText(1948),
                        MessageBoxYesNoCancel | MessageBoxIconQuestion);
}

}  // namespace

boost::shared_ptr<BaseDocument> BaseApplication::NewDocument() {
  if (document_ && !CloseDocument()) return document_;
  document_ = MakeNewDocument();
  BroadcastDocumentCreated(document_);
  return document_;
}

boost::shared_ptr<BaseDocument> BaseApplication::OpenDocument(const wpath& path) {
  if (!boost::filesystem::exists(path))
    throw Error(LibraryText(1956, {{L"<Path/>", path_to_wstring(path)}}));
  open_error_.clear();
  if (document_ && !CloseDocument()) return document_;
  BroadcastDocumentOpening();
  bool opened = false;
  try {
    document_ = MakeDocumentFromFile(path);
    BroadcastDocumentOpened(document_);
    opened = true;
  } catch (const std::exception& error) {
    // The user is left with an empty project and told why.
    open_error_ = string_to_wstring(error.what());
    NewDocument();
    BroadcastDocumentOpened(document_);
    BroadcastErrorMessage(std::string(error.what()), true);
  } catch (...) {
    open_error_ = LibraryText(1880, {{L"<Path/>", path_to_wstring(path)}, {L"<Reason/>", L""}});
    BroadcastErrorMessage(open_error_, true);
  }
  if (opened && record_recent_projects_) Recent().Add(path);
  return document_;
}

bool BaseApplication::CloseDocument() {
  if (!document_) return true;
  if (document_->Path().empty()) {
    switch (AskToSave(LibraryText(1985))) {
      case AnswerYes:
        throw NoPathError();
      case AnswerNo:
        break;
      default:
        return false;
    }
  } else if (document_->HasChanged()) {
    switch (AskToSave(LibraryText(1986, {{L"<Project/>", path_to_wstring(document_->Path())}}))) {
      case AnswerYes:
        SaveDocument();
        break;
      case AnswerNo:
        break;
      default:
        return false;
    }
  }
  const boost::shared_ptr<BaseDocument> closed = document_;
  BroadcastDocumentClosed(closed);
  document_.reset();
  return true;
}

void BaseApplication::SaveDocument() const {
  if (!document_) throw NoDocumentError(L"BaseApplication::SaveDocument");
  document_->Save();
}

void BaseApplication::SaveDocumentAs(const wpath& path) const {
  if (!document_) throw NoDocumentError(L"BaseApplication::SaveDocumentAs");
  document_->SaveAs(path);
  if (record_recent_projects_) Recent().Add(path);
}

void BaseApplication::BackupDocument() const {
  if (!document_) throw NoDocumentError(L"BaseApplication::BackupDocument");
  document_->Backup();
}

bool BaseApplication::HasDocumentChanged() const {
  if (!document_) throw NoDocumentError(L"BaseApplication::HasDocumentChanged");
  return document_->HasChanged();
}

wpath BaseApplication::DocumentPath() const { return document_ ? document_->Path() : wpath(); }

bool BaseApplication::HasDocumentPath() const { return !DocumentPath().empty(); }

}  // namespace Orvanta
