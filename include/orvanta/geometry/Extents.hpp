// Extents: an axis-aligned box in space, one range of lengths (metres) per
// axis. z is depth, so the box's highest point is at -MinZ().
//
//   using namespace Orvanta;
//   Extents box(Units::Length(5.0), Units::Length(1.0), Units::Length(0.0),
//               Units::Length(2.0), Units::Length(3.0), Units::Length(4.0));
//   box.MinX();                         // 1 m: each pair is put in order
//   box.ExpandBy(Units::Length(1.0), Units::Length(0.0), Units::Length(0.0));  // x 0..6
//   box += other;                       // the box spanning both
//
//   boost::archive::xml_oarchive archive(stream);
//   archive << boost::serialization::make_nvp("extents", box);
//
// Every range is ordered whenever it is set through the members here (an
// archive is loaded as it was written). In an archive (Boost's defaults) the
// ranges are the elements x_extents, y_extents and z_extents, each with
// minimum and maximum. Its arithmetic allocates nothing; where a minimum or
// maximum meets equal values (+=), the left operand is kept, with its label.
#pragma once

#include <boost/serialization/access.hpp>
#include <boost/serialization/nvp.hpp>

#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API Extents {
 public:
  typedef Range<Units::Length> LengthRange;

  // Zero ranges on all three axes, for loading from an archive.
  Extents() = default;
  // Each pair in either order.
  Extents(const Units::Length& minX, const Units::Length& maxX, const Units::Length& minY,
          const Units::Length& maxY, const Units::Length& minZ, const Units::Length& maxZ);

  // Each replaces one axis's range with the ordered range of a and b.
  void SetMinMaxX(const Units::Length& a, const Units::Length& b);
  void SetMinMaxY(const Units::Length& a, const Units::Length& b);
  void SetMinMaxZ(const Units::Length& a, const Units::Length& b);

  Units::Length MinX() const { return x_extents_.Minimum(); }
  Units::Length MaxX() const { return x_extents_.Maximum(); }
  Units::Length MinY() const { return y_extents_.Minimum(); }
  Units::Length MaxY() const { return y_extents_.Maximum(); }
  Units::Length MinZ() const { return z_extents_.Minimum(); }
  Units::Length MaxZ() const { return z_extents_.Maximum(); }
  Units::Length MinDepth() const { return MinZ(); }
  Units::Length MaxDepth() const { return MaxZ(); }
  // The height of the box's top, -MinZ().
  Units::Length MaxHeight() const { return -MinDepth(); }

  // Moves each axis's ends outwards by its amount: (min - d, max + d), put in
  // order. A negative amount shrinks the axis; one of more than half its
  // extent turns it inside out, and the ends come back swapped into order.
  void ExpandBy(const Units::Length& dx, const Units::Length& dy, const Units::Length& dz);

  // On each axis, from the smaller minimum to the larger maximum: the box that
  // spans both, including any gap between them.
  Extents& operator+=(const Extents& other);
  Extents operator+(const Extents& other) const;

 private:
  friend class boost::serialization::access;

  template <class Archive>
  void serialize(Archive& archive, unsigned int) {
    archive& boost::serialization::make_nvp("x_extents", x_extents_);
    archive& boost::serialization::make_nvp("y_extents", y_extents_);
    archive& boost::serialization::make_nvp("z_extents", z_extents_);
  }

  LengthRange x_extents_;
  LengthRange y_extents_;
  LengthRange z_extents_;
};

}  // namespace Orvanta
