#include "orvanta/documents/BaseDocument.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <boost/make_shared.hpp>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "HubJournal.hpp"
#include "TestItems.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

using testing::MakeLayer;
using testing::MemoryDocument;
typedef std::vector<std::string> Journal;

// The hub's journal; every question answered with `answer`.
class DocumentTest : public ::testing::Test {
 protected:
  static std::vector<std::wstring> Names(const BaseDocument& document) {
    std::vector<std::wstring> names;
    for (const ItemPtr& item : document.Items()) names.push_back(item->Name());
    return names;
  }

  testing::HubJournal hub_;
  Journal& journal = hub_.entries;
  int& answer = hub_.otherwise = AnswerYes;
  const ApplicationModule application{L"Sections", nullptr};
};

TEST_F(DocumentTest, UniqueNamesFillGaps) {
  MemoryDocument document(false);
  document.AddItem(MakeLayer(L"Layer 1"));
  document.AddItem(MakeLayer(L"Layer 3"));
  const auto prototype = boost::make_shared<testing::Layer>();
  EXPECT_EQ(L"Layer 2", document.CreateUniqueNameFor(prototype));
  document.Create(prototype);
  EXPECT_EQ(L"Layer 4", document.Create(prototype)->Name());

  // Names freed by a direct rename or a removal are found again.
  document.FindItem(L"Layer 1")->Rename(L"Ground");
  EXPECT_EQ(L"Layer 1", document.CreateUniqueNameFor(prototype));
  document.FindItem(L"Ground")->Rename(L"Layer 9");
  EXPECT_EQ(L"Layer 1", document.CreateUniqueNameFor(prototype));
  EXPECT_TRUE(document.IsNameUsed(L"Layer 9"));
  EXPECT_FALSE(document.IsNameUsed(L"Ground"));
  document.ClearItems();
  EXPECT_EQ(L"Layer 1", document.CreateUniqueNameFor(prototype));

  // A stem holding "<Number/>" is not followed: every number is tried.
  struct Numbered : testing::Layer {
    Numbered* Clone() const override { return new Numbered(*this); }
    std::wstring NameStem() const override { return L"No <Number/>"; }
  };
  const auto numbered = boost::make_shared<Numbered>();
  document.Create(numbered);
  document.Create(numbered);
  EXPECT_TRUE(document.IsNameUsed(L"No <Number/> 2"));
  document.FindItem(L"No <Number/> 1")->Rename(L"spare");
  EXPECT_EQ(L"No <Number/> 1", document.CreateUniqueNameFor(numbered));
}

TEST_F(DocumentTest, DuplicateAndPasteNameSequences) {
  MemoryDocument document(false);
  const ItemPtr a = MakeLayer(L"A");
  document.AddItem(a);
  const struct {
    const char* name;
    std::wstring expected;
  } duplicates[] = {
      {"first copy", L"A - Copy"}, {"second", L"A - Copy (2)"}, {"third", L"A - Copy (3)"}};
  for (const auto& d : duplicates) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(d.expected, document.DuplicateItem(a)->Name());
  }
  // A freed copy name is used again, and "(1)" never appears.
  document.FindItem(L"A - Copy")->Rename(L"spare");
  EXPECT_EQ(L"A - Copy", document.DuplicateItem(a)->Name());
  document.FindItem(L"A - Copy (2)")->Rename(L"spare 2");
  EXPECT_EQ(L"A - Copy (2)", document.DuplicateItem(a)->Name());
  EXPECT_EQ(L"A - Copy (4)", document.DuplicateItem(a)->Name());

  const ItemPtr pasted = MakeLayer(L"B");  // no B in the document: still "B - Copy"
  EXPECT_TRUE(document.PasteItem(pasted));
  EXPECT_EQ(L"B - Copy", pasted->Name());
  const ItemPtr again = MakeLayer(L"B");
  document.PasteItem(again);
  EXPECT_EQ(L"B - Copy (2)", again->Name());

  std::vector<ItemPtr> none;
  EXPECT_TRUE(document.DuplicateItems(none));

  // The counter fills the first "<Number/>", the name's own; the first free
  // candidate is still found.
  const ItemPtr number = MakeLayer(L"<Number/>");
  document.AddItem(number);
  for (int i = 0; i < 3; ++i) document.DuplicateItem(number);
  document.RemoveItem(document.FindItem(L"2 - Copy (<Number/>)"), application);
  EXPECT_EQ(L"2 - Copy (<Number/>)", document.DuplicateItem(number)->Name());
}

// The name index against the literal searches, which try every candidate
// from the first, over the same random operations on every run.
TEST_F(DocumentTest, NameIndexAgreesWithTheLiteralSearch) {
  const std::vector<std::wstring> pool = {L"A",
                                          L"A - Copy",
                                          L"A - Copy (2)",
                                          L"A - Copy (3)",
                                          L"<Number/>",
                                          L"2 - Copy (<Number/>)",
                                          L"<Name/>",
                                          L"Layer 1",
                                          L"Layer 2",
                                          L"Layer 02",
                                          L"Layer 3 - Copy",
                                          L"B - Copy (1)"};
  std::mt19937 random(16);
  const auto pick = [&random](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  MemoryDocument document(false);
  const auto prototype = boost::make_shared<testing::Layer>();
  const auto used = [&document](const std::wstring& name) {
    for (const ItemPtr& item : document.Items())
      if (item->Name() == name) return item;
    return ItemPtr();
  };
  const auto copyName = [&used](const std::wstring& base) {
    std::wstring name = OrvantaDLL::Instance()->LoadStringW(1929);
    ReplaceTag(name, L"<Name/>", base);
    for (unsigned int counter = 2; used(name); ++counter) {
      name = OrvantaDLL::Instance()->LoadStringW(1930);
      ReplaceTag(name, L"<Name/>", base);
      ReplaceTag(name, L"<Number/>", std::to_wstring(counter));
    }
    return name;
  };
  for (int step = 0; step < 20000; ++step) {
    const std::wstring name = pool[pick(pool.size())];
    const ItemPtr some =
        document.HasItems() ? document.Items()[pick(document.NumItems())] : nullptr;
    std::size_t operation = pick(200) == 0 ? 8 : pick(8);
    if (document.NumItems() > 40) operation = 4;
    if (!some && operation != 0 && operation != 2 && operation != 3) continue;
    switch (operation) {
      case 0: {
        unsigned int n = 1;
        while (used(prototype->GenerateName(n))) ++n;
        ASSERT_EQ(prototype->GenerateName(n), document.Create(prototype)->Name()) << step;
        break;
      }
      case 1: {
        const std::wstring expected = copyName(some->Name());
        ASSERT_EQ(expected, document.DuplicateItem(some)->Name()) << step;
        break;
      }
      case 2: {
        const ItemPtr pasted = MakeLayer(name);
        const std::wstring expected = copyName(name);
        document.PasteItem(pasted);
        ASSERT_EQ(expected, pasted->Name()) << step;
        break;
      }
      case 3:
        if (used(name))
          ASSERT_THROW(document.AddItem(MakeLayer(name)), BaseDocument::NameInUseError) << step;
        else
          document.AddItem(MakeLayer(name));
        break;
      case 4:
        document.RemoveItem(some, application);
        break;
      case 5:
        some->Rename(name);
        break;
      case 6:
        some->Swap(*document.Items()[pick(document.NumItems())]);
        break;
      case 7:
        break;  // only the checks below
      default:
        document.ClearItems();
    }
    ASSERT_EQ(used(name) != nullptr, document.IsNameUsed(name)) << step;
    ASSERT_EQ(used(name), document.FindItem(name)) << step;
  }
}

TEST_F(DocumentTest, AnnouncementsInOrder) {
  {
    MemoryDocument document(true);
    const ItemPtr created = document.Create(boost::make_shared<testing::Layer>());
    document.DuplicateItem(created);
    answer = AnswerYes;
    EXPECT_TRUE(document.RemoveItem(created, application));
  }
  EXPECT_EQ(
      (Journal{"A new project has been created", "'Layer 1' (Layer) created", "[created] Layer 1",
               "'Layer 1' (Layer) added to the project", "[added] Layer 1",
               "'Layer 1' (Layer) duplicated as 'Layer 1 - Copy'", "[created] Layer 1 - Copy",
               "'Layer 1 - Copy' (Layer) added to the project", "[added] Layer 1 - Copy",
               "? Sections: Are you sure you want to delete 'Layer 1' (Layer)?",
               "'Layer 1' (Layer) removed from the project", "[removed] Layer 1",
               "'Layer 1' (Layer) deleted", "[destroyed] Layer 1", "The project has been closed"}),
      journal);
}

TEST_F(DocumentTest, RefusedAndImpossibleRemovals) {
  MemoryDocument document(true);
  const ItemPtr a = MakeLayer(L"A"), b = MakeLayer(L"B"), stranger = MakeLayer(L"S");
  document.AddItem(a);
  document.AddItem(b);
  auto parent = boost::make_shared<testing::Group>(L"Frame", L"Group");
  parent->InsertComponent(a);
  document.AddItem(parent);
  document.HasChanged(false);
  journal.clear();

  answer = AnswerNo;
  EXPECT_FALSE(document.RemoveItem(a, application));
  answer = AnswerYes;
  EXPECT_FALSE(document.RemoveItem(stranger, application));
  EXPECT_EQ((Journal{"? Sections: Are you sure you want to delete 'A' (Layer)?\nThis item is "
                     "being used by 'Frame' (Group)",
                     "? Sections: Are you sure you want to delete 'S' (Layer)?"}),
            journal);
  EXPECT_FALSE(document.HasChanged());
  EXPECT_EQ((std::vector<std::wstring>{L"A", L"B", L"Frame"}), Names(document));

  std::vector<ItemPtr> both{stranger, b};
  EXPECT_FALSE(document.RemoveItems(both, application));  // went on after the failure
  EXPECT_EQ((std::vector<std::wstring>{L"A", L"Frame"}), Names(document));
  EXPECT_TRUE(document.HasChanged());
}

TEST_F(DocumentTest, AddingRules) {
  MemoryDocument document(false);
  const ItemPtr a = MakeLayer(L"A");
  EXPECT_TRUE(document.AddItem(a));
  EXPECT_THROW(document.AddItem(MakeLayer(L"A")), BaseDocument::NameInUseError);
  // The name check comes first, and a held item's own name is in use.
  a->Rename(L"A2");
  EXPECT_THROW(document.AddItem(a), BaseDocument::NameInUseError);
  EXPECT_TRUE(document.AddItem(MakeLayer(L"a")));  // case-sensitive
  EXPECT_EQ(2u, document.NumItems());
  try {
    document.AddItem(nullptr);
    ADD_FAILURE();
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ("BaseDocument::AddItem", error.what());
  }
  EXPECT_THROW(document.DuplicateItem(nullptr), std::invalid_argument);
  EXPECT_THROW(document.CreateItemFrom(nullptr), std::invalid_argument);
  EXPECT_THROW(document.RemoveItem(nullptr, application), std::invalid_argument);
}

TEST_F(DocumentTest, FindAfterDirectRenamesAndSwaps) {
  MemoryDocument document(false);
  const ItemPtr a = MakeLayer(L"A"), b = MakeLayer(L"B"), c = MakeLayer(L"C");
  document.AddItem(a);
  document.AddItem(b);
  document.AddItem(c);
  a->Swap(*b);
  EXPECT_EQ(b, document.FindItem(L"A"));
  EXPECT_EQ(a, document.FindItem(L"B"));
  c->UniqueRename(L"D", {});
  EXPECT_EQ(nullptr, document.FindItem(L"C"));
  EXPECT_EQ(c, document.FindItem(L"D"));
  // A rename may make two items share a name: the first in order is found.
  c->Rename(L"A");
  EXPECT_EQ(a, document.FindItem(L"B"));
  EXPECT_EQ(b, document.FindItem(L"A"));
  b->Rename(L"Z");
  EXPECT_EQ(c, document.FindItem(L"A"));
  const MemoryDocument& constant = document;
  EXPECT_EQ(c, constant.FindItem(L"A"));
  // A removed item is no longer followed.
  document.RemoveItem(c, application);
  c->Rename(L"Q");
  EXPECT_FALSE(document.IsNameUsed(L"Q"));
  EXPECT_FALSE(document.IsNameUsed(L"A"));
}

TEST_F(DocumentTest, SortsAreStableAndAlwaysAnnounced) {
  MemoryDocument document(false);
  for (const wchar_t* name : {L"b", L"B", L"a", L"c"}) document.AddItem(MakeLayer(name, L"T"));
  document.AddItem(MakeLayer(L"0", L"S"));
  document.SortItemsByType();
  EXPECT_EQ((std::vector<std::wstring>{L"0", L"b", L"B", L"a", L"c"}), Names(document));
  document.SortItemsByName();
  EXPECT_EQ((std::vector<std::wstring>{L"0", L"B", L"a", L"b", L"c"}), Names(document));
  EXPECT_EQ((Journal{"Items have been sorted by type", "Items have been sorted by name"}), journal);

  // A key that throws leaves the document as it was.
  struct Untyped : testing::Layer {
    using Layer::Layer;
    std::wstring Type() const override { throw std::runtime_error("no type"); }
  };
  document.AddItem(boost::make_shared<Untyped>(L"A"));
  const std::vector<std::wstring> before = Names(document);
  EXPECT_THROW(document.SortItemsByType(), std::runtime_error);
  EXPECT_EQ(before, Names(document));
  EXPECT_TRUE(document.IsValid());
}

TEST_F(DocumentTest, NotificationSwitchSilencesItemEvents) {
  MemoryDocument document(true);
  journal.clear();
  EXPECT_TRUE(document.SetNotify(false));
  const ItemPtr a = document.Create(boost::make_shared<testing::Layer>());
  document.DuplicateItem(a);
  document.RemoveItem(a, application);
  EXPECT_EQ(Journal{"? Sections: Are you sure you want to delete 'Layer 1' (Layer)?"}, journal);
  EXPECT_FALSE(document.SetNotify(true));
}

TEST_F(DocumentTest, ChangedFlagAndPrintFlags) {
  MemoryDocument document(false), other(false);
  EXPECT_FALSE(document.HasChanged());
  for (unsigned int i = 0; i < 12; ++i) EXPECT_TRUE(document.PrintFlag(i));
  EXPECT_THROW(document.PrintFlag(12), std::out_of_range);
  document.FlipPrintFlag(3);
  EXPECT_FALSE(document.PrintFlag(3));
  EXPECT_TRUE(document.HasChanged());

  document.HasChanged(false);
  other.HasChanged(false);
  const ItemPtr elsewhere = MakeLayer(L"anywhere");
  elsewhere->SignalItemChanged();  // any item's change marks every document
  EXPECT_TRUE(document.HasChanged());
  EXPECT_TRUE(other.HasChanged());
  document.HasChanged(false);
  Signals::SignalManager::Instance()->ItemChanged(nullptr);
  EXPECT_FALSE(document.HasChanged());
}

TEST_F(DocumentTest, OpeningAndClosingWithAPath) {
  EXPECT_THROW(MemoryDocument(wpath(), true), NoPathError);
  journal.clear();
  { MemoryDocument opened(wstring_to_path(L"/projects/Br\u00fccke.xml"), true); }
  EXPECT_EQ((Journal{"The project at '/projects/Br\xC3\xBC"
                     "cke.xml' has been opened",
                     "The project at '/projects/Br\xC3\xBC"
                     "cke.xml' has been closed"}),
            journal);
  const BaseDocument::CannotOpenItemError error(wpath(L"/a.xml"), L"");
  EXPECT_STREQ("Cannot open '/a.xml'. ", error.what());

  // The backup's name: the part from the last dot on gives way to the
  // extension as it is written.
  const struct {
    const char* file;
    const char* extension;
    const char* backup;
  } backups[] = {{"site.abc", ".bak", "site.bak"},
                 {"site.abc", "bak", "sitebak"},
                 {"site", ".bak", "site.bak"},
                 {"a.tar.gz", "~", "a.tar~"}};
  for (const auto& b : backups) {
    SCOPED_TRACE(b.backup);
    SharedProgramOptions::SetBackupExtension(b.extension);
    EXPECT_EQ(wpath("/projects") / b.backup,
              MemoryDocument(wpath("/projects") / b.file, false).BackupPath());
  }
  SharedProgramOptions::Reset();
}

TEST_F(DocumentTest, CopiesAndSwapsKeepTheirIndexes) {
  MemoryDocument first(false), second(wpath("/projects/b.xml"), false);
  const ItemPtr a = MakeLayer(L"A"), b = MakeLayer(L"B");
  first.AddItem(a);
  second.AddItem(b);
  second.SetNotify(true);
  second.UseSI(!first.UseSI());
  second.HasChanged(!first.HasChanged());
  second.SetPrintFlag(1, !first.PrintFlag(1));
  const bool si = second.UseSI(), changed = second.HasChanged(), flag = second.PrintFlag(1);
  first.Swap(second);
  EXPECT_TRUE(first.SetNotify(false));
  EXPECT_FALSE(second.SetNotify(false));
  EXPECT_EQ(wpath("/projects/b.xml"), first.Path());
  EXPECT_EQ(wpath(), second.Path());
  EXPECT_EQ(si, first.UseSI());
  EXPECT_EQ(changed, first.HasChanged());
  EXPECT_EQ(flag, first.PrintFlag(1));
  EXPECT_NE(flag, second.PrintFlag(1));
  b->Rename(L"B2");
  EXPECT_TRUE(first.IsNameUsed(L"B2"));
  EXPECT_FALSE(second.IsNameUsed(L"B2"));
  EXPECT_TRUE(second.IsNameUsed(L"A"));
  EXPECT_TRUE(first.IsValid());
  std::vector<ItemPtr> out(3);
  first.CopyItems(out);
  EXPECT_EQ(b, out[0]);
  EXPECT_EQ(nullptr, first.FindItemIf(IsNullSharedPtr<Item>()));
  EXPECT_EQ(out.begin() + 1, std::find_if(out.begin(), out.end(), IsNullSharedPtr<Item>()));
}

}  // namespace
}  // namespace Orvanta
