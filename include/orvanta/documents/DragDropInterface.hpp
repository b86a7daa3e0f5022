// DragDropInterface: the cursors shown while an object is dragged, from the
// library's resources (ids 1500 to 1502). Override to show others.
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Resource.hpp"

namespace Orvanta {

class ORVANTA_API DragDropInterface {
 public:
  virtual ~DragDropInterface();
  // Cursor 1501.
  virtual CursorResource DroppingCursor() const;
  // Cursor 1500.
  virtual CursorResource CopyingCursor() const;
  // Cursor 1502.
  virtual CursorResource NoDroppingCursor() const;
};

}  // namespace Orvanta
