// Texts of the library's own string table, for the platform layer's errors.
// Internal to the platform layer.
#pragma once

#include <string>

namespace Orvanta {

// String-table text `id` of the library; empty when there is none.
std::wstring LibraryText(unsigned int id);

}  // namespace Orvanta
