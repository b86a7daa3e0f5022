#include "orvanta/documents/DragDropInterface.hpp"

#include "orvanta/frame/OrvantaDLL.hpp"

namespace Orvanta {

DragDropInterface::~DragDropInterface() = default;
CursorResource DragDropInterface::DroppingCursor() const {
  return CursorResource(1501, OrvantaDLL::Instance());
}
CursorResource DragDropInterface::CopyingCursor() const {
  return CursorResource(1500, OrvantaDLL::Instance());
}
CursorResource DragDropInterface::NoDroppingCursor() const {
  return CursorResource(1502, OrvantaDLL::Instance());
}

}  // namespace Orvanta
