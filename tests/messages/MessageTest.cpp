#include "orvanta/messages/Message.hpp"

#include <gtest/gtest.h>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/make_shared.hpp>
#include <memory>

#include "orvanta/messages/CompositeMessage.hpp"

namespace Orvanta {
namespace {

typedef boost::shared_ptr<Message> Ptr;

Ptr Leaf(Message::SeverityType severity) {
  return boost::make_shared<LeafMessage>(L"leaf", severity);
}

boost::shared_ptr<CompositeMessage> Composite(std::initializer_list<Ptr> children) {
  auto composite = boost::make_shared<CompositeMessage>(L"composite");
  for (const Ptr& child : children) composite->InsertComponent(child);
  return composite;
}

TEST(CompositeMessage, SeverityIsTheHighestInTheWholeTree) {
  EXPECT_EQ(Message::Information, Composite({})->Severity());
  EXPECT_EQ(Message::Error, Composite({Leaf(Message::Warning), Leaf(Message::Error)})->Severity());
  // an empty composite and a null child rank below everything
  EXPECT_EQ(Message::Warning,
            Composite({Composite({}), Ptr(), Leaf(Message::Warning)})->Severity());
  EXPECT_EQ(Message::Critical, Composite({Leaf(Message::Information),
                                          Composite({Composite({Leaf(Message::Critical)})})})
                                   ->Severity());
  const auto mixed = Composite({Leaf(Message::Warning), Composite({Leaf(Message::Error)})});
  EXPECT_TRUE(mixed->HasChildWithSeverity(Message::Warning) &&
              mixed->HasChildWithSeverity(Message::Error));
  EXPECT_FALSE(mixed->HasChildWithSeverity(Message::Critical));
}

// Copies share the children; removal takes every entry of the object; a leaf
// ignores all of it.
TEST(CompositeMessage, ChildrenAreSharedFoundAndRemoved) {
  CompositeMessage original(L"Checks");
  const Ptr a = Leaf(Message::Information), b = Leaf(Message::Error);
  for (const Ptr& child : {a, b, a}) original.InsertComponent(child);
  CompositeMessage copy(original);
  std::unique_ptr<CompositeMessage> clone(original.Clone());
  CompositeMessage assigned(L"other");
  assigned = original;
  for (const CompositeMessage* c : {&copy, clone.get(), &assigned}) {
    EXPECT_EQ(original.Children(), c->Children());
    EXPECT_EQ(L"Checks", c->Text());
  }
  EXPECT_TRUE(original.FindComponent(a));
  EXPECT_FALSE(original.FindComponent(Leaf(Message::Information)));
  original.RemoveComponent(a);
  EXPECT_EQ(std::vector<Ptr>{b}, original.Children());
  EXPECT_EQ(3u, copy.Children().size());
  original.ClearComponents();
  EXPECT_TRUE(original.Children().empty());

  WarningMessage leaf(L"w");
  leaf.InsertComponent(a);
  EXPECT_FALSE(leaf.FindComponent(a) || leaf.IsComposite());
  EXPECT_TRUE(original.IsComposite());
}

// Equal texts and timestamps make equal messages, whatever the read flag;
// Swap exchanges text, severity, read flag and timestamp.
TEST(Message, TextTimestampEqualityAndSwap) {
  using boost::posix_time::time_from_string;
  LeafMessage a("Br\303\274cke", Message::Warning), b(L"Br\u00fccke", Message::Error);
  a.ResetTimestamp(time_from_string("2018-03-07 14:05:09"));
  b.ResetTimestamp(a.Timestamp());
  EXPECT_EQ(L"[2018-Mar-07 14:05:09] Br\u00fccke", a.TimestampedText());
  b.MarkAsRead();
  EXPECT_EQ(a, b);
  b.ResetTimestamp(a.Timestamp() + boost::posix_time::seconds(1));
  EXPECT_NE(a, b);
  b.ResetTimestamp(a.Timestamp());
  b.ResetText(L"other");
  EXPECT_NE(a, b);

  a.Swap(b);
  EXPECT_EQ(L"other", a.Text());
  EXPECT_EQ(Message::Error, a.Severity());
  EXPECT_TRUE(a.Read() && !b.Read());
  EXPECT_EQ(0, InformationMessage(L"now").Timestamp().time_of_day().fractional_seconds());

  // A leaf of a fixed severity keeps it; a clone takes the severity it has.
  InformationMessage fixed(L"i");
  fixed.ResetSeverity(Message::Critical);
  EXPECT_EQ(Message::Information, fixed.Severity());
  const std::unique_ptr<Message> clone(a.Clone());
  EXPECT_TRUE(*clone == a && clone->Severity() == Message::Error);
}

}  // namespace
}  // namespace Orvanta
