#include "LibraryText.hpp"

#include "Backend.hpp"

namespace Orvanta {

std::wstring LibraryText(unsigned int id) {
  std::wstring text;
  sys::LoadModuleString(sys::LibraryModule(), id, text);
  return text;
}

}  // namespace Orvanta
