#include "orvanta/documents/Item.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "TestItems.hpp"
#include "orvanta/documents/Address.hpp"
#include "orvanta/documents/ItemFactory.hpp"

namespace Orvanta {
namespace {

using testing::Layer;

TEST(Item, NamesNotesAndLock) {
  Layer layer;
  EXPECT_FALSE(layer.IsLocked());
  layer.UniqueRename(L"wall", {L"Wall", L"WALL"});  // case differs: accepted
  EXPECT_EQ(L"wall", layer.Name());
  try {
    layer.UniqueRename(L"Wall", {L"Wall"});
    ADD_FAILURE() << "accepted a used name";
  } catch (const Error& error) {
    EXPECT_STREQ("The name 'Wall' is already being used. Please choose a different name",
                 error.what());
  }
  for (const wchar_t* note : {L"first", L"", L"third"}) layer.AppendToNotes(note);
  EXPECT_EQ(L"first\n\nthird", layer.Notes());

  // A clone keeps the lock but not the owner; a swap exchanges names and notes only.
  layer.SetLock(true);
  std::unique_ptr<Item> clone(layer.Clone());
  EXPECT_TRUE(clone->IsLocked());
  EXPECT_EQ(L"wall", clone->Name());
  EXPECT_THROW(clone->SignalItemChanged(), boost::bad_weak_ptr);
  Layer b(L"B");
  b.Swap(layer);
  EXPECT_EQ(L"wall", b.Name());
  EXPECT_EQ(L"first\n\nthird", b.Notes());
  EXPECT_EQ(L"B", layer.Name());
  EXPECT_FALSE(b.IsLocked());
}

TEST(Item, SelfTestNamesTheRunTimeType) {
  Layer layer(L"A");
  EXPECT_NO_THROW(layer.SelfTest());
  layer.valid = false;
  try {
    layer.SelfTest();
    ADD_FAILURE() << "an invalid item passed";
  } catch (const ValidationInterface::SelfTestError& error) {
    const std::string what = error.what();
    EXPECT_EQ(0u, what.find("'<Name/>' (of type '")) << what;
    EXPECT_NE(std::string::npos, what.find("Layer")) << what;
    EXPECT_NE(std::string::npos, what.find("') has failed its self-test")) << what;
  }
}

// The factory is process-wide: this test's ids are its own.
TEST(ItemFactory, RegistersByIdOrTypeAndClones) {
  ItemFactory& factory = ItemFactory::Instance();
  factory.Add(new Layer(L"proto", L"FactoryBeam"), L"");
  try {
    factory.Add(new Layer(L"second", L"FactoryBeam"), L"");
    ADD_FAILURE() << "registered an id twice";
  } catch (const Error& error) {
    EXPECT_STREQ("Error registering 'second' (FactoryBeam) in factory with ID 'FactoryBeam'",
                 error.what());
  }
  const ItemPtr made = factory.Create(L"FactoryBeam");
  EXPECT_EQ(L"proto", made->Name());
  EXPECT_NE(factory.Find(L"FactoryBeam"), made);  // a clone, not the prototype
  made->SignalItemChanged();                      // owned by a shared pointer
  try {
    factory.Create(L"NoSuchType");
    ADD_FAILURE();
  } catch (const Error& error) {
    EXPECT_STREQ("Error finding prototype from Id = 'NoSuchType'", error.what());
  }
}

TEST(Address, TextSkipsEmptyFieldsAndReadsBackInOrder) {
  const Address full(L"1 High St", L"Flat 2", L"", L"Leeds", L"West Yorks", L"LS1", L"UK");
  EXPECT_EQ(std::wstring(L"1 High St\nFlat 2\nLeeds\nWest Yorks\nLS1\nUK\n") + L'\0', full.str());
  EXPECT_EQ(std::wstring(1, L'\0'), Address().str());
  const Address back(full.str());  // street3 was empty: later lines move up
  EXPECT_EQ(L"1 High St", back.Street1());
  EXPECT_EQ(L"Leeds", back.Street3());
  EXPECT_EQ(L"UK", back.Postcode());
  EXPECT_EQ(L"", back.Country());

  EXPECT_EQ(L"b", Address(L"a\nb").Street2());  // no final line feed
  const Address complete(L"1\n2\n3\n4\n5\n6\n7\n8\n");
  EXPECT_EQ(L"7", complete.Country());
  EXPECT_EQ(complete.str(), Address(complete.str()).str());
}

}  // namespace
}  // namespace Orvanta
