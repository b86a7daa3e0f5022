// What must and must not compile with quantities. Built, never run: a failing
// check fails the build. Built twice: as it is, and with
// ORVANTA_EXPLICIT_QUANTITY defined.
#include <type_traits>
#include <utility>

#include "orvanta/geometry/Extents.hpp"
#include "orvanta/geometry/Rect.hpp"
#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

using namespace Units;

template <class, class A, class B>
struct CanAdd : std::false_type {};
template <class A, class B>
struct CanAdd<std::void_t<decltype(std::declval<A>() + std::declval<B>()),
                          decltype(std::declval<A&>() -= std::declval<B>()),
                          decltype(std::declval<A>() < std::declval<B>())>,
              A, B> : std::true_type {};
template <class A, class B>
constexpr bool kCanAdd = CanAdd<void, A, B>::value;

// Same dimension: added, subtracted and compared. Different dimensions: none.
static_assert(kCanAdd<Length, Length>);
static_assert(!kCanAdd<Length, Force>);
static_assert(!kCanAdd<Angle, Scalar>);

// A bare number is a value in base units of any dimension, unless the host
// asks for the stricter rule: then it is a scalar, never a length.
static_assert(kCanAdd<Scalar, double>);
#if defined(ORVANTA_EXPLICIT_QUANTITY)
static_assert(!std::is_convertible<double, Length>::value);
static_assert(!kCanAdd<Length, double>);
static_assert(!std::is_constructible<Rect, int, int, int, int>::value);
#else
static_assert(kCanAdd<Length, double>);
// The forms host programs are written in.
inline bool NumbersStandForLengths() {
  Units::Length x = 0.5;
  const Extents extents(5, 1, 0, 2, 3, 4);
  return Rect(0, 0, 2, 1).Contains(2, 0.5) && x < extents.MaxX();
}
#endif

// The constructor that keeps a label's address is not for host code: a local
// or temporary label would dangle.
static_assert(!std::is_constructible<Length, double, const Orvanta::detail::LabelText&>::value);

// A hot value type: small, and cheap to move.
static_assert(sizeof(Length) <= 16 && std::is_nothrow_move_assignable<Length>::value);

}  // namespace
}  // namespace Orvanta
