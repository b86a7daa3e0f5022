// NotesInterface: free-form notes attached to an object.
//
//   item.AppendToNotes(L"Checked 2026-12-05");  // on a new line if notes exist
#pragma once

#include <string>

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API NotesInterface : public CopyAssignable<NotesInterface> {
 public:
  explicit NotesInterface(const std::wstring& notes = std::wstring());
  NotesInterface(const NotesInterface& other) = default;
  NotesInterface& operator=(const NotesInterface& other) { return AssignByCopyAndSwap(other); }
  virtual ~NotesInterface();

  std::wstring Notes() const { return notes_; }
  void SetNotes(const std::wstring& notes) { notes_ = notes; }
  // Appends `text`, after a line feed unless the notes are empty (an empty
  // `text` still adds the line feed).
  void AppendToNotes(const std::wstring& text);
  void Swap(NotesInterface& other) noexcept { notes_.swap(other.notes_); }

 private:
  std::wstring notes_;
};

}  // namespace Orvanta
