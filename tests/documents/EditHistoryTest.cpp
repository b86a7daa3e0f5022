#include "orvanta/documents/EditHistory.hpp"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "HubJournal.hpp"
#include "TestItems.hpp"
#include "orvanta/documents/RecoveryCopy.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

using testing::Layer;
using testing::MakeLayer;
using testing::MemoryDocument;
typedef std::vector<std::string> Journal;
// The items in order, by identity and name.
typedef std::vector<std::pair<const Item*, std::wstring>> State;

// The hub's journal; every question answered Yes.
class HistoryTest : public ::testing::Test {
 protected:
  HistoryTest() { hub_.otherwise = AnswerYes; }

  // The document's items; each must also be found by its name.
  static State StateOf(BaseDocument& document) {
    State state;
    for (const ItemPtr& item : document.Items()) {
      EXPECT_EQ(item, document.FindItem(item->Name())) << wstring_to_string(item->Name());
      state.emplace_back(item.get(), item->Name());
    }
    return state;
  }

  // Items C (Wall), A (Slab), B (Beam); unchanged, so that the history starts clean.
  static void Fill(BaseDocument& document) {
    document.AddItem(MakeLayer(L"C", L"Wall"));
    document.AddItem(MakeLayer(L"A", L"Slab"));
    document.AddItem(MakeLayer(L"B", L"Beam"));
    document.HasChanged(false);
  }

  // What taking back an addition (or, `returned`, a removal) of each item announces.
  static Journal Undone(bool returned,
                        const std::vector<std::pair<std::string, std::string>>& items) {
    Journal journal;
    for (const auto& item : items) {
      const std::string text = "'" + item.first + "' (" + item.second + ") ",
                        name = " " + item.first;
      journal.insert(journal.end(), {text + (returned ? "created" : "removed from the project"),
                                     (returned ? "[created]" : "[removed]") + name,
                                     text + (returned ? "added to the project" : "deleted"),
                                     (returned ? "[added]" : "[destroyed]") + name});
    }
    return journal;
  }

  testing::HubJournal hub_;
  Journal& journal = hub_.entries;
  const ApplicationModule application{L"Sections", nullptr};
};

TEST_F(HistoryTest, UndoPutsBackAndRedoRepeatsEachOperation) {
  const struct {
    std::function<void(BaseDocument&)> operation;
    std::wstring text;
    Journal undone;
  } cases[] = {
      {[](BaseDocument& d) { d.DuplicateItem(d.FindItem(L"B")); }, L"Duplicate 'B'",
       Undone(false, {{"B - Copy", "Beam"}})},
      {[this](BaseDocument& d) {
         std::vector<ItemPtr> items = {d.FindItem(L"C"), d.FindItem(L"B")};
         d.RemoveItems(items, application);
       },
       L"Remove 2 items", Undone(true, {{"B", "Beam"}, {"C", "Wall"}})},
      {[](BaseDocument& d) { d.ClearItems(); }, L"Clear the items", {}},
      {[](BaseDocument& d) { d.SortItemsByType(); },
       L"Sort by type",
       {"The previous order of the items has been restored"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(wstring_to_string(c.text));
    MemoryDocument document;
    Fill(document);
    EditHistory history(document);
    const State before = StateOf(document);
    c.operation(document);
    const State after = StateOf(document);
    EXPECT_EQ(L"Undo " + c.text, history.UndoText());

    journal.clear();
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(before, StateOf(document));
    EXPECT_EQ(c.undone, journal);
    EXPECT_FALSE(document.HasChanged());  // back at the clean state
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(after, StateOf(document));
    ASSERT_TRUE(history.Undo());  // the items put back are watched again
    document.Items()[0]->Rename(L"Q");
    EXPECT_EQ(1u, history.UndoCount());
  }
}

// Undoing everything frees every generated name; redoing brings back the same objects under
// the same names, in the same order.
TEST_F(HistoryTest, UndoingAllAndRedoingAllRestoresEveryName) {
  MemoryDocument document(false);
  EditHistory history(document);
  const auto prototype = boost::make_shared<Layer>();
  for (int i = 0; i < 3; ++i) document.Create(prototype);
  document.RemoveItem(document.FindItem(L"Layer 2"), application);
  document.Create(prototype);  // "Layer 2" again, another object
  document.FindItem(L"Layer 1")->Rename(L"Ground");
  document.SortItemsByName();
  const State done = StateOf(document);
  ASSERT_EQ(7u, history.UndoCount());
  while (history.Undo()) {
  }
  EXPECT_TRUE(document.Items().empty());
  EXPECT_EQ(L"Layer 1", document.CreateUniqueNameFor(prototype));
  while (history.Redo()) {
  }
  EXPECT_EQ(done, StateOf(document));
  EXPECT_EQ(L"Layer 1", document.CreateUniqueNameFor(prototype));  // renamed away
}

TEST_F(HistoryTest, ChangeCopiesTheStateBackIntoTheSameObject) {
  MemoryDocument document;
  Fill(document);
  EditHistory history(document);
  const auto wall = boost::static_pointer_cast<Layer>(document.FindItem(L"C"));
  history.Change(wall, L"Validity", [&] {
    wall->valid = false;
    wall->SetNotes(L"cracked");
  });
  EXPECT_EQ(L"Undo Change Validity of 'C'", history.UndoText());
  journal.clear();
  history.Undo();
  EXPECT_TRUE(wall->valid);
  EXPECT_EQ(Journal{"[changed] C"}, journal);
  history.Redo();
  EXPECT_EQ(L"cracked", wall->Notes());

  // A throwing edit leaves the item, the document and the history as they were.
  const State before = StateOf(document);
  document.HasChanged(false);
  EXPECT_THROW(history.Change(wall, L"Validity",
                              [&] {
                                wall->valid = true;
                                wall->Rename(L"W");
                                document.Create(boost::make_shared<Layer>());
                                throw std::runtime_error("host failure");
                              }),
               std::runtime_error);
  EXPECT_EQ(before, StateOf(document));
  EXPECT_FALSE(wall->valid);
  EXPECT_FALSE(document.HasChanged());
  EXPECT_EQ(1u, history.UndoCount());
}

// A group is one step; a group or a host edit that fails leaves everything as it was.
TEST_F(HistoryTest, GroupsAndHostEdits) {
  MemoryDocument document;
  Fill(document);
  EditHistory history(document);
  {
    EditHistory::Group paste(history, L"Paste 3 items");
    for (const wchar_t* name : {L"A", L"B", L"C"}) document.PasteItem(MakeLayer(name));
  }
  EXPECT_EQ(1u, history.UndoCount());
  history.Undo();
  EXPECT_EQ(3u, document.NumItems());
  history.Redo();
  EXPECT_EQ(6u, document.NumItems());

  int value = 2;  // the host's edit, made
  history.Push(
      L"Set the value", [&] { value = 1; }, [&] { value = 2; });
  history.Undo();
  EXPECT_EQ(1, value);
  history.Redo();
  EXPECT_EQ(2, value);

  // A group left by an exception takes its edits back; what a host's undo does meanwhile is
  // not recorded.
  try {
    EditHistory::Group group(history, L"Broken");
    document.AddItem(MakeLayer(L"F"));
    history.Push(
        L"Host", [&] { document.AddItem(MakeLayer(L"H")); }, [] {});
    throw std::runtime_error("host failure");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(document.IsNameUsed(L"F"));
  EXPECT_TRUE(document.IsNameUsed(L"H"));
  EXPECT_EQ(2u, history.UndoCount());
}

TEST_F(HistoryTest, CleanStateLimitAndReplacement) {
  const auto shared = boost::make_shared<MemoryDocument>(true);  // Save raises DocumentSaved
  MemoryDocument& document = *shared;
  EditHistory history(document);
  const auto prototype = boost::make_shared<Layer>();
  document.Create(prototype);
  document.SaveAs(wstring_to_path(L"project.xml"));  // MemoryDocument writes nothing
  document.Create(prototype);
  history.Undo();
  EXPECT_FALSE(document.HasChanged());
  history.Undo();
  EXPECT_TRUE(document.HasChanged());
  history.Redo();
  EXPECT_FALSE(document.HasChanged());

  // The limit drops old steps, and the clean state moves with them.
  document.SortItemsByName();  // one item: nothing to record
  EXPECT_EQ(1u, history.UndoCount());
  history.SetLimit(2);
  for (int i = 0; i < 2; ++i) document.Create(prototype);
  EXPECT_EQ(2u, history.UndoCount());
  while (history.Undo()) {
  }
  EXPECT_FALSE(document.HasChanged());  // back at the save
  EXPECT_EQ(1u, document.NumItems());

  // Reading the file again starts the history afresh, and it hears renames once each.
  document.Create(prototype);
  document.Revert();
  EXPECT_FALSE(history.CanUndo() || history.CanRedo());
  document.Items()[0]->Rename(L"B");
  EXPECT_EQ(1u, history.UndoCount());
  // So does restoring a recovery copy.
  document.Create(prototype);
  RecoveryRecord record;
  record.original = wstring_to_path(L"project.xml");
  RecoveryCopy::Restore(document, record);
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(HistoryTest, OutlivingTheDocument) {
  auto document = boost::make_shared<MemoryDocument>(false);
  EditHistory history(*document);
  EXPECT_THROW(EditHistory second(*document), std::invalid_argument);
  const ItemPtr item = document->Create(boost::make_shared<Layer>());
  document->Create(boost::make_shared<Layer>());
  ASSERT_TRUE(history.Undo());
  document.reset();
  EXPECT_FALSE(history.Undo());
  item->Rename(L"free");  // no longer watched
  EXPECT_EQ(0u, history.UndoCount() + history.RedoCount());
}

}  // namespace
}  // namespace Orvanta
