// How a document's item operations grow with the number of items: creating N
// items of one stem through Create, duplicating a tenth of them, looking up N
// names and sorting by name, for N = 10 000 and 100 000. Then what an edit
// history costs (the same N Create calls with one attached, and undoing all
// of them), and what an autosave costs when the document has not changed
// (and, for comparison, when it has).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <boost/make_shared.hpp>
#include <ctime>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "orvanta/documents/BaseDocument.hpp"
#include "orvanta/documents/EditHistory.hpp"
#include "orvanta/documents/RecoveryCopy.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"

namespace {

class Layer : public Orvanta::Item {
 public:
  Layer* Clone() const override { return new Layer(*this); }
  std::wstring Type() const override { return L"Layer"; }
  std::wstring NameStem() const override { return L"Layer"; }
  Orvanta::BitmapResource Picture(int) const override {
    return Orvanta::BitmapResource(1568, Orvanta::OrvantaDLL::Instance());
  }
};

class Project : public Orvanta::BaseDocument {
 public:
  explicit Project(bool notification) : BaseDocument(notification) {}
  void ReadFrom(const Orvanta::wpath&) override {}
  void WriteTo(const Orvanta::wpath&) const override {}
};

// Writes one short line: what an autosave that does write costs beyond it is
// the library's own (the record, the careful writer's fsync and renames).
class SmallProject : public Project {
 public:
  SmallProject() : Project(false) {}
  void WriteTo(const Orvanta::wpath& path) const override {
    std::ofstream(path.string()) << "<project/>\n";
  }
};

const boost::shared_ptr<const Layer> kPrototype = boost::make_shared<Layer>();

void Fill(Project& project, std::int64_t count) {
  for (std::int64_t i = 0; i < count; ++i) project.Create(kPrototype);
}

// Announcements on, as in a host program: every item is broadcast as created
// and added (nobody listens here).
void CreateItems(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      Project project(true);
      state.ResumeTiming();
      Fill(project, state.range(0));
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void CreateItemsSilently(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      Project project(false);
      state.ResumeTiming();
      Fill(project, state.range(0));
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void DuplicateTenth(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      Project project(true);
      Fill(project, state.range(0));
      const std::vector<Orvanta::ItemPtr> items = project.Items();
      state.ResumeTiming();
      for (std::size_t i = 0; i < items.size(); i += 10) project.DuplicateItem(items[i]);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) / 10);
}

// Every name looked up once, in random order, or in the order the items were
// made (which keeps the memory touched by neighbouring lookups close).
void FindNames(benchmark::State& state, bool shuffled) {
  Project project(false);
  Fill(project, state.range(0));
  std::vector<std::wstring> names;
  for (const Orvanta::ItemPtr& item : project.Items()) names.push_back(item->Name());
  if (shuffled) std::shuffle(names.begin(), names.end(), std::mt19937(42));
  for (auto _ : state) {
    for (const std::wstring& name : names) benchmark::DoNotOptimize(project.FindItem(name));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
void FindEveryName(benchmark::State& state) { FindNames(state, true); }
void FindEveryNameInOrder(benchmark::State& state) { FindNames(state, false); }

void SortByName(benchmark::State& state) {
  Project project(false);
  Fill(project, state.range(0));
  std::vector<Orvanta::ItemPtr> shuffled = project.Items();
  for (auto _ : state) {
    state.PauseTiming();
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    project.ClearItems();
    for (const Orvanta::ItemPtr& item : shuffled) project.AddItem(item);
    state.ResumeTiming();
    project.SortItemsByName();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Create with an edit history attached (no limit: every step kept), announced
// and silent, against CreateItems and CreateItemsSilently.
void CreateItemsWithHistory(benchmark::State& state, bool notification) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      Project project(notification);
      Orvanta::EditHistory history(project);
      history.SetLimit(0);
      state.ResumeTiming();
      Fill(project, state.range(0));
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
void CreateItemsWithHistoryAnnounced(benchmark::State& state) {
  CreateItemsWithHistory(state, true);
}
void CreateItemsWithHistorySilently(benchmark::State& state) {
  CreateItemsWithHistory(state, false);
}

// The same N Create calls without and with a history, one after the other
// in every iteration, so that the load of a shared machine falls on both
// alike. The counters are the CPU time of each (milliseconds, mean over the
// iterations) and their ratio. Argument: N, and 1 for announcements on.
void HistoryOverhead(benchmark::State& state) {
  double plain = 0, recorded = 0;
  const auto time = [&](bool withHistory) {
    Project project(state.range(1) != 0);
    std::unique_ptr<Orvanta::EditHistory> history;
    if (withHistory) {
      history.reset(new Orvanta::EditHistory(project));
      history->SetLimit(0);
    }
    const std::clock_t start = std::clock();
    Fill(project, state.range(0));
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  };
  for (auto _ : state) {
    plain += time(false);
    recorded += time(true);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["plain_ms"] = plain / n;
  state.counters["history_ms"] = recorded / n;
  state.counters["ratio"] = recorded / plain;
}

// Undoing N Create calls one by one, announced (each raises what a removal
// raises).
void UndoAllCreates(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      Project project(true);
      Orvanta::EditHistory history(project);
      history.SetLimit(0);
      Fill(project, state.range(0));
      state.ResumeTiming();
      while (history.Undo()) {
      }
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// An autosave from the host's timer: the document unchanged since its last
// copy (nothing is written), or changed before each call (a copy is written).
void Autosave(benchmark::State& state, bool changed) {
  const boost::filesystem::path folder = boost::filesystem::temp_directory_path() /
                                         boost::filesystem::unique_path("orvanta-bench-%%%%-%%%%");
  {
    SmallProject project;
    project.NotifyHasChanged();
    Orvanta::RecoveryCopy copy(project, folder, L"Bench");
    copy.Write();
    for (auto _ : state) {
      if (changed) project.NotifyHasChanged();
      benchmark::DoNotOptimize(copy.Write());
    }
  }
  boost::filesystem::remove_all(folder);
}
void AutosaveUnchanged(benchmark::State& state) { Autosave(state, false); }
void AutosaveChanged(benchmark::State& state) { Autosave(state, true); }

BENCHMARK(CreateItems)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(CreateItemsSilently)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(DuplicateTenth)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindEveryName)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindEveryNameInOrder)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByName)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(CreateItemsWithHistoryAnnounced)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(CreateItemsWithHistorySilently)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(HistoryOverhead)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(UndoAllCreates)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(AutosaveUnchanged)->Unit(benchmark::kNanosecond);
BENCHMARK(AutosaveChanged)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
