#include "orvanta/geometry/Extents.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <boost/archive/xml_iarchive.hpp>
#include <boost/archive/xml_oarchive.hpp>

namespace Orvanta {
namespace {

using Units::Length;
typedef std::vector<double> Ends;

Extents E(double minX, double maxX, double minY, double maxY, double minZ, double maxZ) {
  return Extents(Length(minX), Length(maxX), Length(minY), Length(maxY), Length(minZ),
                 Length(maxZ));
}

Ends EndsOf(const Extents& e) {
  return {e.MinX().value(), e.MaxX().value(), e.MinY().value(),
          e.MaxY().value(), e.MinZ().value(), e.MaxZ().value()};
}

TEST(Extents, OrdersEachPairAndMeasuresHeightAsNegatedDepth) {
  EXPECT_EQ(Ends({1, 5, 0, 2, 2, 10}), EndsOf(E(5, 1, 0, 2, 10, 2)));
  EXPECT_EQ(-2.0, E(5, 1, 0, 2, 10, 2).MaxHeight().value());
  EXPECT_EQ(Ends(6, 0.0), EndsOf(Extents()));
}

TEST(Extents, ExpandByGrowsShrinksAndReorders) {
  const struct {
    double d, min, max;
  } cases[] = {{1, -1, 3}, {-0.5, 0.5, 1.5}, {-1, 1, 1}, {-2, 0, 2}, {-3, -1, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.d);
    Extents e = E(0, 2, 0, 2, 0, 2);
    e.ExpandBy(Length(c.d), Length(0.0), Length(c.d));
    EXPECT_EQ(Ends({c.min, c.max, 0, 2, c.min, c.max}), EndsOf(e));
  }
}

TEST(Extents, SumSpansBothBoxesAndTheGap) {
  const Extents a = E(0, 1, 0, 1, 0, 1), b = E(5, 6, -3, -2, 0.25, 0.5);
  EXPECT_EQ(Ends({0, 6, -3, 1, 0, 1}), EndsOf(a + b));
  EXPECT_EQ(Ends({0, 6, -3, 1, 0, 1}), EndsOf(b + a));
  EXPECT_EQ(Ends({0, 1, 0, 1, 0, 1}), EndsOf(a));
}

TEST(Extents, ArchivesEachRangeUnderItsAxisName) {
  const Extents saved = E(-1.0 / 3.0, 2, 0.1, 0.2, 1e-310, 1e300);
  std::ostringstream out;
  {
    boost::archive::xml_oarchive archive(out);
    archive << boost::serialization::make_nvp("extents", saved);
  }
  const std::string xml = out.str();
  const char* const tags[] = {"<x_extents",  "<minimum",     "<value_>-0.33333333333333331<",
                              "<units_>m<",  "<maximum",     "</x_extents>",
                              "<y_extents",  "</y_extents>", "<z_extents",
                              "</z_extents>"};
  std::string::size_type at = 0;
  for (const char* tag : tags) {
    at = xml.find(tag, at);
    ASSERT_NE(std::string::npos, at) << tag << " in order in\n" << xml;
  }

  std::istringstream in(xml);
  boost::archive::xml_iarchive archive(in);
  Extents loaded = E(7, 8, 7, 8, 7, 8);
  archive >> boost::serialization::make_nvp("extents", loaded);
  EXPECT_EQ(EndsOf(saved), EndsOf(loaded));
  EXPECT_EQ(L"m", loaded.MaxZ().Units());
}

}  // namespace
}  // namespace Orvanta
