#include "orvanta/documents/Item.hpp"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <memory>
#include <type_traits>
#include <utility>

#include "TestItems.hpp"
#include "orvanta/documents/ManufacturerInterface.hpp"
#include "orvanta/messages/SignalManager.hpp"

namespace Orvanta {
namespace {

using testing::Layer;

// Only a document follows an item's name: host code cannot watch one (and
// leave a dangling watcher behind).
template <class T, class = void>
struct CanWatch : std::false_type {};
template <class T>
struct CanWatch<T, std::void_t<decltype(std::declval<const T&>().Watch(nullptr)),
                               decltype(std::declval<const T&>().Unwatch(nullptr))>>
    : std::true_type {};
static_assert(!CanWatch<Item>::value && !CanWatch<NameInterface>::value);

TEST(Item, NamesAndNotes) {
  Layer layer;
  EXPECT_EQ(L"Layer 3", layer.GenerateName(3));
  EXPECT_EQ(L"Layer 0", layer.GenerateName(0));
  EXPECT_EQ(L"Item", layer.Breadcrumb());

  layer.UniqueRename(L"wall", {L"Wall", L"WALL"});  // case differs: accepted
  EXPECT_EQ(L"wall", layer.Name());
  try {
    layer.UniqueRename(L"Wall", {L"Wall"});
    ADD_FAILURE() << "accepted a used name";
  } catch (const Error& error) {
    EXPECT_STREQ("The name 'Wall' is already being used. Please choose a different name",
                 error.what());
  }
  EXPECT_EQ(L"wall", layer.Name());

  layer.AppendToNotes(L"first");
  layer.AppendToNotes(L"");
  layer.AppendToNotes(L"third");
  EXPECT_EQ(L"first\n\nthird", layer.Notes());
}

TEST(Item, CopiesKeepTheLockButNotTheOwner) {
  auto original = boost::make_shared<Layer>(L"A");
  original->SetLock(true);
  original->SetNotes(L"n");
  std::unique_ptr<Item> clone(original->Clone());
  EXPECT_TRUE(clone->IsLocked());
  EXPECT_EQ(L"A", clone->Name());
  EXPECT_EQ(L"n", clone->Notes());
  EXPECT_THROW(clone->SignalItemChanged(), boost::bad_weak_ptr);

  Layer b(L"B");
  b.Swap(*original);
  EXPECT_EQ(L"A", b.Name());
  EXPECT_EQ(L"n", b.Notes());
  EXPECT_EQ(L"B", original->Name());
  EXPECT_FALSE(b.IsLocked());  // swapped names and notes only
}

struct Selection {
  void OnSelected(Signals::ConstItemPtr item) { selected.push_back(item); }
  std::vector<Signals::ConstItemPtr> selected;
};

TEST(Item, SignalsCarryTheOwningPointer) {
  auto layer = boost::make_shared<Layer>(L"A");
  Selection selection;
  Signals::SignalManager::Instance()->ConnectToItemSelected(&selection, &Selection::OnSelected);
  layer->SignalItemSelected();
  Signals::SignalManager::Instance()->DisconnectFromItemSelected(&selection,
                                                                 &Selection::OnSelected);
  ASSERT_EQ(1u, selection.selected.size());
  EXPECT_EQ(layer, selection.selected[0]);
}

TEST(Item, LeafComponentBehaviour) {
  Layer layer(L"leaf");
  const ItemPtr other = testing::MakeLayer(L"other");
  try {
    layer.InsertComponent(other);
    ADD_FAILURE() << "a leaf took a child";
  } catch (const CompositeInsertionError& error) {
    EXPECT_STREQ(
        "Internal error: attempting to insert component in a non-composite class in "
        "'Component<T>::InsertComponent'",
        error.what());
  }
  EXPECT_FALSE(layer.RemoveComponent(other));
  EXPECT_FALSE(layer.ContainsComponent(other));
  EXPECT_FALSE(layer.HasComponents());
  EXPECT_EQ(0u, layer.NumComponents());

  testing::Group group(L"group");
  group.InsertComponent(other);
  EXPECT_TRUE(group.HasComponents());
}

TEST(Item, SelfTestAndValidation) {
  Layer layer(L"A");
  EXPECT_NO_THROW(layer.SelfTest());
  layer.valid = false;
  try {
    layer.SelfTest();
    ADD_FAILURE() << "an invalid item passed";
  } catch (const ValidationInterface::SelfTestError& error) {
    const std::string what = error.what();
    EXPECT_EQ(0u, what.find("'<Name/>' (of type '")) << what;
    EXPECT_NE(std::string::npos, what.find("Layer")) << what;  // the run-time type name
    EXPECT_NE(std::string::npos, what.find("') has failed its self-test")) << what;
  }
}

struct CountingVisitor : BaseVisitor, Visitor<BaseVisitable<int>, int> {
  int Visit(BaseVisitable<int>&) override { return ++visits; }
  int visits = 0;
};

TEST(Item, ResourcesAndVisitors) {
  Layer layer(L"A");
  EXPECT_EQ(1501u, layer.DroppingCursor().Id());
  EXPECT_EQ(1500u, layer.CopyingCursor().Id());
  EXPECT_EQ(1502u, layer.NoDroppingCursor().Id());
  const CursorResource copying = layer.CopyingCursor();
  const std::vector<unsigned char>& cursor = copying.Data();
  ASSERT_GE(cursor.size(), 6u);
  EXPECT_EQ(2, cursor[2]);  // a cursor file, not an icon
  EXPECT_EQ(1568u, layer.DisplayIcon().Id());
  EXPECT_EQ(1569u, layer.DisplayPicture().Id());

  CountingVisitor visitor;
  EXPECT_EQ(1, layer.Accept(visitor));
  BaseVisitor stranger;
  EXPECT_EQ(0, layer.Accept(stranger));
  const Layer& constant = layer;
  EXPECT_EQ(0, constant.Accept(visitor));  // visits only non-const objects
}

TEST(ManufacturerInterface, FieldsAndSwap) {
  ManufacturerInterface a(L"Acme", L"X-1", true), b;
  a.Swap(b);
  EXPECT_EQ(L"Acme", b.Manufacturer());
  EXPECT_EQ(L"X-1", b.PartNumber());
  EXPECT_TRUE(b.IsStandardProductionSize());
  EXPECT_EQ(L"", a.Manufacturer());
  a = b;
  EXPECT_EQ(L"Acme", a.Manufacturer());
}

}  // namespace
}  // namespace Orvanta
