// The cross-sections a project holds. Every section is an item of one class
// template over the library's four section shapes (Section.cpp); the rest of
// the program sees them through SectionItem, whose virtual operations say
// what differs between shapes, so that nothing ever asks which shape it has.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include <orvanta/documents/EditHistory.hpp>
#include <orvanta/documents/Item.hpp>
#include <orvanta/geometry/Shape.hpp>
#include <orvanta/quantities/Units.hpp>

namespace Sections {

namespace Units = Orvanta::Units;

// How a section is drawn: its outline, and the size of its drawing. A strip
// has no depth; it is drawn open at the bottom, one and a half widths deep.
struct Outline {
  enum Kind { Rectangle, Circle, Strip };
  Kind kind = Rectangle;
  Units::Length width;
  Units::Length height;
};

class SectionItem : public Orvanta::Item {
 public:
  SectionItem* Clone() const override = 0;
  // The library's information bitmap, or its warning bitmap when the section
  // has Warnings(): the list of sections shows which ones to look at again.
  Orvanta::BitmapResource Picture(int selector) const override;

  // The shape, whose properties the program computes.
  virtual const Orvanta::Shape& GetShape() const = 0;
  // The names of the dimensions ("breadth", "depth"), in the order of
  // Dimensions(); the command line's options have the same names.
  virtual std::vector<std::string> DimensionNames() const = 0;
  virtual std::vector<Units::Length> Dimensions() const = 0;
  // Sets every dimension, in the order of DimensionNames(). Throws
  // std::invalid_argument, changing nothing, for the wrong count or for a
  // dimension the shape refuses.
  virtual void SetDimensions(const std::vector<Units::Length>& dimensions) = 0;
  // SetDimensions as one step of `history` ("Change dimensions of 'Circle
  // 1'"), announced with ItemChanged; throws as SetDimensions does, leaving
  // the history as it was. The section must be owned by a shared pointer.
  virtual void EditDimensions(Orvanta::EditHistory& history,
                              const std::vector<Units::Length>& dimensions) = 0;
  // What deserves a second look, one sentence each: here, a dimension under
  // 5 mm (a unit typed wrongly?); each shape adds its own.
  virtual std::vector<std::wstring> Warnings() const;
  virtual Outline Drawing() const = 0;

 protected:
  SectionItem() = default;
  SectionItem(const SectionItem&) = default;
  SectionItem& operator=(const SectionItem&) = default;
};

// Slenderness (the longer side over the shorter) above which a rectangle is
// questioned.
constexpr double kSlenderLimit = 4.0;

// Registers one prototype of each shape's section in the item factory under
// its type (Rectangle, Circle, Square, Strip); does nothing the second time.
void RegisterSectionPrototypes();

// The factory ids of the sections, in the order menus list them.
const std::vector<std::wstring>& SectionTypes();

// A new section of factory id `type`, with the prototype's dimensions.
// Throws std::invalid_argument for an unknown type.
boost::shared_ptr<SectionItem> NewSection(const std::wstring& type);

// A new section of factory id `type` with `dimensions`. Throws
// std::invalid_argument for an unknown type or dimensions it refuses.
boost::shared_ptr<SectionItem> MakeSection(const std::wstring& type,
                                           const std::vector<Units::Length>& dimensions);

}  // namespace Sections
