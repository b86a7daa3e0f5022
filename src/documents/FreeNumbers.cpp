#include "orvanta/documents/internal/FreeNumbers.hpp"

#include <iterator>

namespace Orvanta {
namespace detail {

void FreeNumbers::Take(unsigned int number) {
  const auto next = runs_.upper_bound(number);  // the first run after the number
  const bool joinsNext = next != runs_.end() && next->first - 1 == number;
  if (next != runs_.begin()) {
    const auto run = std::prev(next);
    if (run->second >= number) return;  // taken already
    if (run->second + 1 == number) {
      run->second = joinsNext ? next->second : number;
      if (joinsNext) runs_.erase(next);
      return;
    }
  }
  if (joinsNext) {
    const unsigned int last = next->second;
    runs_.emplace_hint(runs_.erase(next), number, last);
  } else {
    runs_.emplace_hint(next, number, number);
  }
}

void FreeNumbers::Free(unsigned int number) {
  const auto next = runs_.upper_bound(number);
  if (next == runs_.begin()) return;
  const auto run = std::prev(next);
  const unsigned int first = run->first, last = run->second;
  if (last < number) return;  // free already
  if (first == number)
    runs_.erase(run);
  else
    run->second = number - 1;
  if (last != number) runs_.emplace_hint(next, number + 1, last);
}

unsigned int FreeNumbers::FirstFree() const {
  const auto first = runs_.begin();
  return first != runs_.end() && first->first <= 1 ? first->second + 1 : 1;
}

}  // namespace detail
}  // namespace Orvanta
