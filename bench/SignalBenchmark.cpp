// The cost of raising a signal with N listeners: Orvanta's signal hub against
// Boost.Signals2 doing the same, for N = 1, 10 and 1000. Each listener is an
// object whose member function adds the argument to its total.
#include <benchmark/benchmark.h>

#include <boost/make_shared.hpp>
#include <boost/signals2/signal.hpp>
#include <vector>

#include "orvanta/messages/SignalManager.hpp"

namespace {

struct Listener {
  void OnValue(int value) { total += value; }
  void OnItem(Orvanta::Signals::ConstItemPtr item) { total += item ? 1 : 0; }
  long total = 0;
};

void RaiseIntOrvanta(benchmark::State& state) {
  std::vector<Listener> listeners(static_cast<std::size_t>(state.range(0)));
  Orvanta::Signals::IntegerSignal signal;
  for (Listener& listener : listeners) signal.Connect(&listener, &Listener::OnValue);
  int value = 0;
  for (auto _ : state) signal.Raise(++value);
  benchmark::DoNotOptimize(listeners.front().total);
}

void RaiseIntSignals2(benchmark::State& state) {
  std::vector<Listener> listeners(static_cast<std::size_t>(state.range(0)));
  boost::signals2::signal<void(int)> signal;
  for (Listener& listener : listeners)
    signal.connect([&listener](int value) { listener.OnValue(value); });
  int value = 0;
  for (auto _ : state) signal(++value);
  benchmark::DoNotOptimize(listeners.front().total);
}

// Item signals pass a shared pointer, copied for every slot.
void RaiseItemOrvanta(benchmark::State& state) {
  std::vector<Listener> listeners(static_cast<std::size_t>(state.range(0)));
  Orvanta::Signals::ItemSignal signal;
  for (Listener& listener : listeners) signal.Connect(&listener, &Listener::OnItem);
  const Orvanta::Signals::ConstItemPtr item(boost::make_shared<int>(1),
                                            reinterpret_cast<const Orvanta::Item*>(&listeners));
  for (auto _ : state) signal.Raise(item);
  benchmark::DoNotOptimize(listeners.front().total);
}

void RaiseItemSignals2(benchmark::State& state) {
  std::vector<Listener> listeners(static_cast<std::size_t>(state.range(0)));
  boost::signals2::signal<void(Orvanta::Signals::ConstItemPtr)> signal;
  for (Listener& listener : listeners)
    signal.connect([&listener](Orvanta::Signals::ConstItemPtr item) { listener.OnItem(item); });
  const Orvanta::Signals::ConstItemPtr item(boost::make_shared<int>(1),
                                            reinterpret_cast<const Orvanta::Item*>(&listeners));
  for (auto _ : state) signal(item);
  benchmark::DoNotOptimize(listeners.front().total);
}

// For reference: what one copy of a shared pointer (an atomic increment and
// decrement of its count) costs. Every slot of an item signal gets one.
void CopySharedPointer(benchmark::State& state) {
  const boost::shared_ptr<int> original = boost::make_shared<int>(1);
  for (auto _ : state) {
    boost::shared_ptr<int> copy(original);
    benchmark::DoNotOptimize(copy);
  }
}

BENCHMARK(CopySharedPointer);
BENCHMARK(RaiseIntOrvanta)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(RaiseIntSignals2)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(RaiseItemOrvanta)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(RaiseItemSignals2)->Arg(1)->Arg(10)->Arg(1000);

}  // namespace

BENCHMARK_MAIN();
