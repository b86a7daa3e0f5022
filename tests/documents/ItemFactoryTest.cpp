#include "orvanta/documents/ItemFactory.hpp"

#include <gtest/gtest.h>

#include "TestItems.hpp"

namespace Orvanta {
namespace {

// The factory is process-wide: each test uses ids of its own.
TEST(ItemFactory, RegistersByIdOrType) {
  ItemFactory& factory = ItemFactory::Instance();
  EXPECT_EQ(&factory, &ItemFactory::Instance());
  factory.Add(new testing::Layer(L"proto", L"FactoryBeam"), L"");
  factory.Add(new testing::Layer(L"proto", L"FactoryBeam"), L"factorybeam");  // case differs
  try {
    factory.Add(new testing::Layer(L"second", L"FactoryBeam"), L"");
    ADD_FAILURE() << "registered an id twice";
  } catch (const Error& error) {
    EXPECT_STREQ("Error registering 'second' (FactoryBeam) in factory with ID 'FactoryBeam'",
                 error.what());
  }
  const ItemPtr made = factory.Create(L"FactoryBeam");
  EXPECT_EQ(L"proto", made->Name());
  EXPECT_NE(factory.Find(L"FactoryBeam"), made);  // a clone, not the prototype
  made->SignalItemChanged();                      // owned by a shared pointer
}

TEST(ItemFactory, UnknownIdThrows) {
  try {
    ItemFactory::Instance().Create(L"NoSuchType");
    ADD_FAILURE();
  } catch (const Error& error) {
    EXPECT_STREQ("Error finding prototype from Id = 'NoSuchType'", error.what());
  }
}

struct Plain : PrototypeFactory<testing::Layer> {};

TEST(PrototypeFactory, RegisterRefusesNullEmptyAndTakenIds) {
  Plain factory;
  const auto layer = boost::make_shared<testing::Layer>(L"x");
  EXPECT_FALSE(factory.Register(nullptr, L"id"));
  EXPECT_FALSE(factory.Register(layer, L""));
  EXPECT_TRUE(factory.Register(layer, L"id"));
  EXPECT_FALSE(factory.Register(layer, L"id"));
  EXPECT_EQ(1u, factory.Prototypes().size());
}

}  // namespace
}  // namespace Orvanta
