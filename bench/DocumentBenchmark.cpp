// How a document's item operations grow with the number of items: creating N
// items of one stem through Create, duplicating a tenth of them, looking up N
// names and sorting by name, for N = 10 000 and 100 000.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/make_shared.hpp>
#include <random>
#include <string>
#include <vector>

#include "orvanta/documents/BaseDocument.hpp"
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

BENCHMARK(CreateItems)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(CreateItemsSilently)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(DuplicateTenth)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindEveryName)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindEveryNameInOrder)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByName)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
