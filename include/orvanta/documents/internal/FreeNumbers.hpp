// The numbers in use in one family of numbered names (Layer 1, Layer 2, ...,
// or A - Copy, A - Copy (2), ...), kept as runs of consecutive numbers, so
// that the first free one is known at once however many are taken. Internal
// to the documents layer (a document's name index keeps one per family).
//
//   FreeNumbers layers;
//   layers.Take(1);
//   layers.Take(2);
//   layers.Take(4);
//   layers.FirstFree();  // 3
//   layers.Free(1);
//   layers.FirstFree();  // 1
#pragma once

#include <map>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {
namespace detail {

class ORVANTA_API FreeNumbers {
 public:
  // Taking a number already taken, or freeing one that is free, changes
  // nothing.
  void Take(unsigned int number);
  void Free(unsigned int number);

  // The smallest number from 1 up that is not taken.
  unsigned int FirstFree() const;
  // Whether no number is taken.
  bool IsEmpty() const { return runs_.empty(); }

 private:
  // The first and last number of each run of taken numbers; no two runs
  // overlap or touch.
  std::map<unsigned int, unsigned int> runs_;
};

}  // namespace detail
}  // namespace Orvanta
