#include "orvanta/documents/Item.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "TestItems.hpp"
#include "orvanta/documents/Address.hpp"
#include "orvanta/documents/ItemFactory.hpp"

namespace Orvanta {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using testing::Layer;
using ::testing::ThrowsMessage;

TEST(Item, NamesNotesLockAndSelfTest) {
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
  EXPECT_EQ(L"B", layer.Name());
  EXPECT_FALSE(b.IsLocked());

  b.valid = false;  // the self-test's message names the run-time type
  EXPECT_THAT([&] { b.SelfTest(); },
              ThrowsMessage<ValidationInterface::SelfTestError>(
                  AllOf(HasSubstr("Layer"), HasSubstr("') has failed its self-test"))));
}

// The factory is process-wide: this test's ids are its own.
TEST(ItemFactory, RegistersByIdOrTypeAndClones) {
  ItemFactory& factory = ItemFactory::Instance();
  factory.Add(new Layer(L"proto", L"FactoryBeam"), L"");
  EXPECT_THAT([&] { factory.Add(new Layer(L"second", L"FactoryBeam"), L""); },
              ThrowsMessage<Error>(
                  "Error registering 'second' (FactoryBeam) in factory with ID 'FactoryBeam'"));
  const ItemPtr made = factory.Create(L"FactoryBeam");
  EXPECT_EQ(L"proto", made->Name());
  EXPECT_NE(factory.Find(L"FactoryBeam"), made);  // a clone, not the prototype
  made->SignalItemChanged();                      // owned by a shared pointer
  EXPECT_THAT([&] { factory.Create(L"NoSuchType"); },
              ThrowsMessage<Error>("Error finding prototype from Id = 'NoSuchType'"));
}

TEST(Address, TextSkipsEmptyFieldsAndReadsBackInOrder) {
  const Address full(L"1 High St", L"Flat 2", L"", L"Leeds", L"West Yorks", L"LS1", L"UK");
  EXPECT_EQ(std::wstring(L"1 High St\nFlat 2\nLeeds\nWest Yorks\nLS1\nUK\n") + L'\0', full.str());
  const Address back(full.str());  // street3 was empty: later lines move up
  EXPECT_EQ(L"Leeds", back.Street3());
  EXPECT_EQ(L"UK", back.Postcode());
  EXPECT_EQ(L"", back.Country());
  EXPECT_EQ(L"b", Address(L"a\nb").Street2());  // no final line feed
}

}  // namespace
}  // namespace Orvanta
