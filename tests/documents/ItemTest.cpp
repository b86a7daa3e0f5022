#include "orvanta/documents/Item.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestItems.hpp"
#include "orvanta/documents/Address.hpp"
#include "orvanta/documents/ItemFactory.hpp"
#include "orvanta/documents/internal/NumberedNameFormat.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

using detail::NumberedNameFormat;
using testing::Layer;
using ::testing::ThrowsMessage;

TEST(Item, NamesNotesAndLock) {
  Layer layer;
  EXPECT_FALSE(layer.IsLocked());
  layer.UniqueRename(L"wall", {L"Wall", L"WALL"});  // case differs: accepted
  EXPECT_THAT([&] { layer.UniqueRename(L"Wall", {L"Wall"}); },
              ThrowsMessage<Error>(
                  "The name 'Wall' is already being used. Please choose a different name"));
  for (const wchar_t* note : {L"first", L"", L"third"}) layer.AppendToNotes(note);

  // A clone keeps the lock but not the owner; a swap exchanges names and notes only.
  layer.SetLock(true);
  std::unique_ptr<Item> clone(layer.Clone());
  EXPECT_TRUE(clone->IsLocked());
  EXPECT_THROW(clone->SignalItemChanged(), boost::bad_weak_ptr);
  Layer b(L"B");
  b.Swap(layer);
  EXPECT_EQ(L"wall", b.Name());
  EXPECT_EQ(L"first\n\nthird", b.Notes());
  EXPECT_FALSE(b.IsLocked());
}

// The factory is process-wide: this test's ids are its own.
TEST(ItemFactory, RegistersByIdOrTypeAndClones) {
  ItemFactory& factory = ItemFactory::Instance();
  factory.Add(new Layer(L"proto", L"FactoryBeam"), L"");
  EXPECT_THROW(factory.Add(new Layer(L"second", L"FactoryBeam"), L""), Error);
  const ItemPtr made = factory.Create(L"FactoryBeam");
  EXPECT_EQ(L"proto", made->Name());
  EXPECT_NE(factory.Find(L"FactoryBeam"), made);  // a clone, not the prototype
  made->SignalItemChanged();                      // owned by a shared pointer
  EXPECT_THROW(factory.Create(L"NoSuchType"), Error);
}

TEST(Address, TextSkipsEmptyFieldsAndReadsBackInOrder) {
  const Address full(L"1 High St", L"Flat 2", L"", L"Leeds", L"West Yorks", L"LS1", L"UK");
  EXPECT_EQ(std::wstring(L"1 High St\nFlat 2\nLeeds\nWest Yorks\nLS1\nUK\n") + L'\0', full.str());
  const Address back(full.str());  // street3 was empty: later lines move up
  EXPECT_EQ(L"Leeds", back.Street3());
  EXPECT_EQ(L"", back.Country());
  EXPECT_EQ(L"b", Address(L"a\nb").Street2());  // no final line feed
}

// Both copy-name texts: every name Format writes reads back as the name and number it was
// made from, unless the numbered text's name holds "<Number/>" (which the number then fills);
// then nothing reads back.
TEST(NumberedNameFormat, CopyNamesRoundTrip) {
  const std::wstring names[] = {L"A", L"",          L"Beam 2",    L"C - Copy (2)",  L"(7)",
                                L"9", L"x<Name/>y", L"<Number/>", L"Wall \u00e5 (3"};
  const NumberedNameFormat first(OrvantaDLL::Instance()->LoadStringW(1929));
  const NumberedNameFormat numbered(OrvantaDLL::Instance()->LoadStringW(1930));
  for (const std::wstring& name : names) {
    const bool holdsNumber = name.find(L"<Number/>") != std::wstring::npos;
    EXPECT_TRUE(first.Reverses(name));
    EXPECT_EQ(!holdsNumber, numbered.Reverses(name));
    for (const unsigned int number : {2u, 10u, 4294967295u}) {
      SCOPED_TRACE("'" + wstring_to_string(name) + "' " + std::to_string(number));
      std::wstring parsed = L"unset";
      unsigned int n = 12345;
      ASSERT_TRUE(first.Parse(first.Format(name, number), parsed, n));
      EXPECT_EQ(name, parsed);
      EXPECT_EQ(0u, n);
      EXPECT_EQ(!holdsNumber, numbered.Parse(numbered.Format(name, number), parsed, n));
      EXPECT_EQ(name, parsed);
      EXPECT_EQ(holdsNumber ? 0u : number, n);
    }
  }
  // Texts Format never writes, and a template whose number comes first.
  std::wstring name;
  unsigned int n = 0;
  for (const wchar_t* text : {L"A - Copy (02)", L"A - Copy ()", L"A - Copy (4294967296)",
                              L"A - Copy (2) ", L"A - Copy(2)", L"A - Copy (+2)", L"A"}) {
    SCOPED_TRACE(wstring_to_string(text));
    EXPECT_FALSE(numbered.Parse(text, name, n));
  }
  EXPECT_FALSE(first.Parse(L"A - Copy ", name, n));
  EXPECT_FALSE(NumberedNameFormat(L"(<Number/>) <Name/>").Reverses(L"A"));
}

}  // namespace
}  // namespace Orvanta
