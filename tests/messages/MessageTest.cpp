#include "orvanta/messages/Message.hpp"

#include <gtest/gtest.h>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/make_shared.hpp>
#include <memory>
#include <set>

#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/platform/internal/ByteOrder.hpp"

namespace Orvanta {
namespace {

typedef boost::shared_ptr<Message> Ptr;

Ptr Leaf(Message::SeverityType severity) {
  return boost::make_shared<LeafMessage>(L"leaf", severity);
}

Ptr Composite(std::initializer_list<Ptr> children) {
  auto composite = boost::make_shared<CompositeMessage>(L"composite");
  for (const Ptr& child : children) composite->InsertComponent(child);
  return composite;
}

TEST(CompositeMessage, SeverityIsTheHighestInTheWholeTree) {
  const struct {
    const char* name;
    Ptr message;
    Message::SeverityType severity;
  } cases[] = {
      {"empty", Composite({}), Message::Information},
      {"warning and error", Composite({Leaf(Message::Warning), Leaf(Message::Error)}),
       Message::Error},
      {"empty composite and warning", Composite({Composite({}), Leaf(Message::Warning)}),
       Message::Warning},
      {"critical two levels down",
       Composite({Leaf(Message::Information), Composite({Composite({Leaf(Message::Critical)})})}),
       Message::Critical},
      {"null child is ignored", Composite({Ptr(), Leaf(Message::Warning)}), Message::Warning},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.severity, c.message->Severity());
  }
  const Ptr mixed = Composite({Leaf(Message::Warning), Composite({Leaf(Message::Error)})});
  EXPECT_TRUE(mixed->GetComposite()->HasChildWithSeverity(Message::Error));
  EXPECT_FALSE(mixed->GetComposite()->HasChildWithSeverity(Message::Critical));
}

TEST(CompositeMessage, CopiesShareChildren) {
  CompositeMessage original(L"Checks");
  original.InsertLeaf(new WarningMessage(L"Slender"));
  CompositeMessage copy(original);
  std::unique_ptr<CompositeMessage> clone(original.Clone());
  CompositeMessage assigned(L"other");
  assigned = original;

  ASSERT_EQ(1u, copy.Children().size());
  copy.Children()[0]->MarkAsRead();
  EXPECT_TRUE(original.Children()[0]->Read());
  EXPECT_EQ(original.Children()[0], clone->Children()[0]);
  EXPECT_EQ(original.Children()[0], assigned.Children()[0]);
  EXPECT_EQ(L"Checks", assigned.Text());
}

TEST(CompositeMessage, ChildOperations) {
  CompositeMessage composite(L"c");
  const Ptr a = Leaf(Message::Information), b = Leaf(Message::Error);
  composite.InsertComponent(a);
  composite.InsertComponent(b);
  composite.InsertComponent(a);
  EXPECT_EQ(3u, composite.Children().size());
  EXPECT_TRUE(composite.FindComponent(a));
  composite.RemoveComponent(a);  // both entries go
  EXPECT_EQ(std::vector<Ptr>{b}, composite.Children());
  EXPECT_FALSE(composite.FindComponent(a));
  composite.RemoveComponent(a);  // nothing to remove
  EXPECT_TRUE(composite.IsComposite());
  composite.ClearComponents();
  EXPECT_TRUE(composite.Children().empty());
}

TEST(LeafMessage, IgnoresCompositeOperations) {
  WarningMessage leaf(L"w");
  const Ptr child = Leaf(Message::Critical);
  leaf.InsertComponent(child);
  leaf.RemoveComponent(child);
  leaf.ClearComponents();
  EXPECT_FALSE(leaf.FindComponent(child));
  EXPECT_FALSE(leaf.IsComposite());
  EXPECT_EQ(nullptr, leaf.GetComposite());
  EXPECT_EQ(Message::Warning, leaf.Severity());
}

TEST(LeafMessage, SeverityFixedOrReset) {
  InformationMessage fixed(L"i");
  fixed.ResetSeverity(Message::Critical);
  EXPECT_EQ(Message::Information, fixed.Severity());
  LeafMessage free(L"l", Message::Information);
  free.ResetSeverity(Message::Critical);
  EXPECT_EQ(Message::Critical, free.Severity());

  std::unique_ptr<Message> clone(CriticalMessage("c").Clone());
  EXPECT_NE(nullptr, dynamic_cast<CriticalMessage*>(clone.get()));
  EXPECT_EQ(Message::Critical, clone->Severity());
}

TEST(Message, TextTimestampAndEquality) {
  using boost::posix_time::time_from_string;
  ErrorMessage a("Br\xC3\xBC" "cke"), b(L"Br\u00fccke");
  a.ResetTimestamp(time_from_string("2018-03-07 14:05:09"));
  b.ResetTimestamp(a.Timestamp());
  EXPECT_EQ(L"Br\u00fccke", a.Text());
  EXPECT_EQ(L"2018-Mar-07 14:05:09", a.ReadableTimestamp());
  EXPECT_EQ(L"[2018-Mar-07 14:05:09] Br\u00fccke", a.TimestampedText());
  EXPECT_EQ(a, b);
  b.MarkAsRead();
  EXPECT_EQ(a, b);  // the read flag is not compared
  b.ResetTimestamp(a.Timestamp() + boost::posix_time::seconds(1));
  EXPECT_NE(a, b);
  b.ResetTimestamp(a.Timestamp());
  b.ResetText(L"other");
  EXPECT_NE(a, b);

  EXPECT_FALSE(a.Read());
  EXPECT_EQ(std::wstring(L"Br\u00fccke"), static_cast<std::wstring>(a));
  EXPECT_EQ(0, a.Timestamp().time_of_day().fractional_seconds());

  // Made in the same second: equal (unless the clock ticks in between).
  const InformationMessage first(L"same"), second(L"same");
  if (first.Timestamp() == second.Timestamp()) {
    EXPECT_EQ(first, second);
  }
}

TEST(Message, SwapExchangesTextFlagAndTimestamp) {
  LeafMessage a(L"a", Message::Warning), b(L"b", Message::Error);
  a.MarkAsRead();
  a.ResetTimestamp(boost::posix_time::time_from_string("2020-01-01 00:00:00"));
  const auto stamp = a.Timestamp(), other = b.Timestamp();
  a.Swap(b);
  EXPECT_EQ(L"b", a.Text());
  EXPECT_EQ(Message::Error, a.Severity());
  EXPECT_FALSE(a.Read());
  EXPECT_TRUE(b.Read());
  EXPECT_EQ(stamp, b.Timestamp());
  EXPECT_EQ(other, a.Timestamp());
}

// A 16 x 16, 24-bit BMP file for each severity, each one different.
TEST(Message, BitmapPerSeverity) {
  std::set<std::vector<unsigned char>> seen;
  for (int s = Message::Information; s <= Message::Critical; ++s) {
    SCOPED_TRACE(s);
    const BitmapResource bitmap = LeafMessage(L"m", Message::SeverityType(s)).Bitmap();
    const std::vector<unsigned char>& bmp = bitmap.Data();
    EXPECT_EQ(1568u + s, bitmap.Id());
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ('B', bmp[0]);
    EXPECT_EQ('M', bmp[1]);
    EXPECT_EQ(16, little_endian::Read16(&bmp[18]));  // width
    EXPECT_EQ(16, little_endian::Read16(&bmp[22]));  // height
    EXPECT_EQ(24, little_endian::Read16(&bmp[28]));  // bits per pixel
    EXPECT_EQ(54u + 16 * 16 * 3, bmp.size());
    seen.insert(bmp);
  }
  EXPECT_EQ(4u, seen.size());
  EXPECT_EQ(1568u, CompositeMessage(L"empty").Bitmap().Id());
}

}  // namespace
}  // namespace Orvanta
