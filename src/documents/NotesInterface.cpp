#include "orvanta/documents/NotesInterface.hpp"

namespace Orvanta {

NotesInterface::NotesInterface(const std::wstring& notes) : notes_(notes) {}
NotesInterface::~NotesInterface() = default;

void NotesInterface::AppendToNotes(const std::wstring& text) {
  if (!notes_.empty()) notes_ += L'\n';
  notes_ += text;
}

}  // namespace Orvanta
