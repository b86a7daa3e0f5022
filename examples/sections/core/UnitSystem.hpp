// The units values are typed and shown in, and unit labels rendered as plain
// text (for the terminal and the report).
#pragma once

#include <string>

#include <orvanta/geometry/TextDraw.hpp>
#include <orvanta/quantities/Units.hpp>

namespace Sections {

namespace Units = Orvanta::Units;

// Renders a label with style tags as plain UTF-8 text: a superscript run
// becomes superscript characters ("m<sup>4</sup>" gives "m⁴"); the other
// styles have no terminal form and are dropped.
class TerminalText : public Orvanta::TextDraw {
 public:
  explicit TerminalText(const std::string& text) : TextDraw(text) {}

  void SuperscriptOn() override { superscript_ = true; }
  void SuperscriptOff() override { superscript_ = false; }
  void BoldOn() override {}
  void BoldOff() override {}
  void ItalicOn() override {}
  void ItalicOff() override {}
  void SymbolOn() override {}
  void SymbolOff() override {}
  void ResetAll() override {
    TextDraw::ResetAll();
    superscript_ = false;
  }
  void DrawText(const std::string& piece) override;

  // Draws the whole text and returns what was drawn.
  std::string Render();

 private:
  bool superscript_ = false;
  std::string output_;
};

// A catalogue label with its powers as tags: "mm²" gives "mm<sup>2</sup>",
// "cm^4" and "in4" give "cm<sup>4</sup>" and "in<sup>4</sup>".
std::string TaggedLabel(const std::wstring& label);
// The label as shown on the terminal and in reports.
std::string ShownLabel(const std::wstring& label);

// One unit for each quantity the program shows, chosen from the catalogue.
class UnitSystem {
 public:
  // "si" (mm, cm², cm³, cm⁴) or "imperial" (in, in², in³, in⁴); throws
  // std::invalid_argument for anything else.
  static UnitSystem Named(const std::string& name);
  // Lengths in `length`, one of the catalogue's length units; areas, volumes
  // and second moments in the catalogue's units nearest to its square, cube
  // and fourth power (mm gives mm², mm³ and cm⁴; ft gives ft², ft³ and ft4).
  // Named after the length unit's label.
  static UnitSystem ForLength(const Units::Length& length);

  const std::string& Name() const { return name_; }
  const Units::Length& LengthUnit() const { return length_; }
  const Units::Area& AreaUnit() const { return area_; }
  const Units::Volume& VolumeUnit() const { return volume_; }
  const Units::SecondMomentOfArea& SecondMomentUnit() const { return second_; }

  // A length typed by the user: a number with one of the catalogue's length
  // units, or a bare number in this system's length unit. Throws what
  // Units::Parse throws for text that is no length (the library's text).
  Units::Length ReadLength(const std::string& text) const;
  // The same for the command line: a number with one of the catalogue's length
  // units, or a bare number in this system's length unit. Throws
  // std::invalid_argument naming `option` for text that is no length, and
  // for a length that is not greater than zero or not finite.
  Units::Length ParseLength(const std::string& option, const std::string& text) const;

 private:
  UnitSystem() = default;

  std::string name_;
  Units::Length length_;
  Units::Area area_;
  Units::Volume volume_;
  Units::SecondMomentOfArea second_;
};

// `value` in `unit`, to six significant figures, without the label; "∞" when
// the value is infinite.
template <class Q>
std::string InUnit(const Q& value, const Q& unit);
extern template std::string InUnit(const Units::Length&, const Units::Length&);
extern template std::string InUnit(const Units::Area&, const Units::Area&);
extern template std::string InUnit(const Units::Volume&, const Units::Volume&);
extern template std::string InUnit(const Units::SecondMomentOfArea&,
                                   const Units::SecondMomentOfArea&);

// InUnit followed by a blank and the shown label.
template <class Q>
std::string Shown(const Q& value, const Q& unit) {
  return InUnit(value, unit) + " " + ShownLabel(unit.Units());
}

}  // namespace Sections
