#include "orvanta/documents/BaseDocument.hpp"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "HubJournal.hpp"
#include "TestItems.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

using testing::MakeLayer;
using testing::MemoryDocument;
typedef std::vector<std::string> Journal;
typedef std::vector<std::wstring> Names;

// Items whose stem holds "<Number/>": their names are not followed, every number is tried.
struct Numbered : testing::Layer {
  Numbered* Clone() const override { return new Numbered(*this); }
  std::wstring NameStem() const override { return L"No <Number/>"; }
};

// The hub's journal; every question answered with `answer`.
class DocumentTest : public ::testing::Test {
 protected:
  static Names NamesOf(const BaseDocument& document) {
    Names names;
    for (const ItemPtr& item : document.Items()) names.push_back(item->Name());
    return names;
  }

  testing::HubJournal hub_;
  Journal& journal = hub_.entries;
  int& answer = hub_.otherwise = AnswerYes;
  const ApplicationModule application{L"Sections", nullptr};
};

// The name index against literal searches, which try every candidate from the first,
// over the same random operations on every run.
TEST_F(DocumentTest, NameIndexAgreesWithTheLiteralSearch) {
  std::wistringstream list(
      L"A|A - Copy|A - Copy (2)|A - Copy (3)|<Number/>|<Name/>|Layer 1|2 - Copy (<Number/>)|"
      L"Layer 2|Layer 02|Layer 3 - Copy|Layer|Layer - Copy (3)|No <Number/> 1|B - Copy (1)");
  Names pool;
  for (std::wstring name; std::getline(list, name, L'|');) pool.push_back(name);
  std::mt19937 random(16);
  const auto pick = [&random](std::size_t n) { return random() % n; };
  MemoryDocument document(false);
  const boost::shared_ptr<const Item> prototypes[] = {boost::make_shared<testing::Layer>(),
                                                      boost::make_shared<Numbered>()};
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
    const std::size_t operation = document.NumItems() > 40 ? 3 : pick(200) == 0 ? 6 : pick(6);
    if (!some && operation >= 3) continue;
    if (operation == 0) {
      const auto& prototype = prototypes[pick(2)];
      unsigned int n = 1;
      while (used(prototype->GenerateName(n))) ++n;
      ASSERT_EQ(prototype->GenerateName(n), document.Create(prototype)->Name()) << step;
    } else if (operation == 1) {  // a duplicate is named as a pasted item is
      const ItemPtr pasted = MakeLayer(name);
      const std::wstring expected = copyName(name);
      document.PasteItem(pasted);
      ASSERT_EQ(expected, pasted->Name()) << step;
    } else if (operation == 2 && used(name)) {
      ASSERT_THROW(document.AddItem(MakeLayer(name)), BaseDocument::NameInUseError) << step;
    } else if (operation == 2) {
      document.AddItem(MakeLayer(name));
    } else if (operation == 3) {
      document.RemoveItem(some, application);
    } else if (operation == 4) {
      some->Rename(name);
    } else if (operation == 5) {
      some->Swap(*document.Items()[pick(document.NumItems())]);
    } else {
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

TEST_F(DocumentTest, AddingAndRemovingRules) {
  MemoryDocument document(true);
  const ItemPtr a = MakeLayer(L"A"), b = MakeLayer(L"B"), stranger = MakeLayer(L"S");
  EXPECT_TRUE(document.AddItem(a));
  EXPECT_THROW(document.AddItem(MakeLayer(L"A")), BaseDocument::NameInUseError);
  EXPECT_TRUE(document.AddItem(b));
  EXPECT_THROW(document.CreateUniqueNameFor(nullptr), std::invalid_argument);

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
  EXPECT_EQ((Names{L"A", L"B", L"Frame"}), NamesOf(document));
  std::vector<ItemPtr> both{stranger, b};
  EXPECT_FALSE(document.RemoveItems(both, application));  // went on after the failure
  EXPECT_EQ((Names{L"A", L"Frame"}), NamesOf(document));
  b->Rename(L"Q");  // a removed item is no longer followed
  EXPECT_FALSE(document.IsNameUsed(L"Q"));
}

TEST_F(DocumentTest, SortsAreStableAndAlwaysAnnounced) {
  MemoryDocument document(false);
  for (const wchar_t* name : {L"b", L"B", L"a", L"c"}) document.AddItem(MakeLayer(name, L"T"));
  document.AddItem(MakeLayer(L"0", L"S"));
  document.SortItemsByType();
  EXPECT_EQ((Names{L"0", L"b", L"B", L"a", L"c"}), NamesOf(document));
  document.SortItemsByName();
  EXPECT_EQ((Names{L"0", L"B", L"a", L"b", L"c"}), NamesOf(document));
  EXPECT_EQ((Journal{"Items have been sorted by type", "Items have been sorted by name"}), journal);
}

TEST_F(DocumentTest, ChangedFlagAndPrintFlags) {
  MemoryDocument document(false), other(false);
  for (unsigned int i = 0; i < 12; ++i) EXPECT_TRUE(document.PrintFlag(i));
  EXPECT_THROW(document.PrintFlag(12), std::out_of_range);
  document.FlipPrintFlag(3);
  EXPECT_FALSE(document.PrintFlag(3));
  EXPECT_TRUE(document.HasChanged());

  document.HasChanged(false);
  MakeLayer(L"anywhere")->SignalItemChanged();  // any item's change marks every document
  EXPECT_TRUE(document.HasChanged() && other.HasChanged());
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
  EXPECT_FALSE(hub_.messages.front().second);  // the opening goes out with the flag unset
  const BaseDocument::CannotOpenItemError error(wpath(L"/a.xml"), L"");
  EXPECT_STREQ("Cannot open '/a.xml'. ", error.what());

  // A host's own kind of save writes the file, then says where.
  struct Exporting : MemoryDocument {
    using MemoryDocument::MemoryDocument;
    void WriteTo(const wpath& path) const override { written = path; }
    void Export(const wpath& path) const { WriteAndAnnounce(path, 1954); }
    mutable wpath written;
  };
  Exporting exporting(true);
  journal.clear();
  exporting.Export(wpath("/copy.xml"));
  EXPECT_EQ(wpath("/copy.xml"), exporting.written);
  EXPECT_EQ(Journal{"The project has been saved at a new location: '/copy.xml'"}, journal);

  // The backup's name: the part from the last dot on gives way to the extension as written.
  SharedProgramOptions::SetBackupExtension("~");
  EXPECT_EQ(wpath("/p/a.tar~"), MemoryDocument(wpath("/p/a.tar.gz"), false).BackupPath());
  EXPECT_EQ(wpath("/p/site~"), MemoryDocument(wpath("/p/site"), false).BackupPath());
  SharedProgramOptions::Reset();
}

TEST_F(DocumentTest, SwapsKeepTheirIndexes) {
  MemoryDocument first(false), second(wpath("/projects/b.xml"), true);
  const ItemPtr a = MakeLayer(L"A"), b = MakeLayer(L"B");
  first.AddItem(a);
  second.AddItem(b);
  second.UseSI(false);
  second.SetPrintFlag(1, false);
  first.HasChanged(false);
  first.Swap(second);
  EXPECT_TRUE(first.SetNotify(false));
  EXPECT_EQ(wpath("/projects/b.xml"), first.Path());
  EXPECT_FALSE(first.UseSI() || first.PrintFlag(1) || second.HasChanged());
  EXPECT_TRUE(second.UseSI() && second.PrintFlag(1) && first.HasChanged());
  b->Rename(L"B2");
  EXPECT_TRUE(first.IsNameUsed(L"B2"));
  EXPECT_FALSE(second.IsNameUsed(L"B2"));
}

}  // namespace
}  // namespace Orvanta
