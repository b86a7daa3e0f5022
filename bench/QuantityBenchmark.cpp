// The cost of dimensioned quantities in a host program's inner loops: the same
// kernels with raw doubles, with Boost.Units and with Orvanta's Quantity.
//
//   Sum:          the total of N lengths.
//   SecondMoment: N rectangle second moments B x D^3 / 12, stored.
// N is ten thousand (the data stay in the processor's cache) and a million
// (they do not: the kernels then measure memory bandwidth as much as
// arithmetic).
#include <benchmark/benchmark.h>

#include <boost/units/quantity.hpp>
#include <boost/units/systems/si/length.hpp>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "orvanta/quantities/Units.hpp"

namespace {

namespace bu = boost::units;
typedef bu::quantity<bu::si::length> BoostLength;
typedef decltype(BoostLength() * BoostLength() * BoostLength() * BoostLength()) BoostSecondMoment;

// Widths and depths between 0.1 m and 1.1 m, the same in every variant.
double Width(std::size_t i) { return 0.1 + static_cast<double>(i % 1000) * 0.001; }
double Depth(std::size_t i) { return 0.2 + static_cast<double>(i % 997) * 0.0009; }

void SumRaw(benchmark::State& state) {
  const auto kCount = static_cast<std::size_t>(state.range(0));
  std::vector<double> lengths(kCount);
  for (std::size_t i = 0; i < kCount; ++i) lengths[i] = Width(i);
  for (auto _ : state) {
    double total = 0.0;
    for (double length : lengths) total += length;
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCount));
}

void SumBoostUnits(benchmark::State& state) {
  const auto kCount = static_cast<std::size_t>(state.range(0));
  std::vector<BoostLength> lengths(kCount);
  for (std::size_t i = 0; i < kCount; ++i) lengths[i] = Width(i) * bu::si::meter;
  for (auto _ : state) {
    BoostLength total = 0.0 * bu::si::meter;
    for (const BoostLength& length : lengths) total += length;
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCount));
}

void SumQuantity(benchmark::State& state) {
  const auto kCount = static_cast<std::size_t>(state.range(0));
  std::vector<Orvanta::Units::Length> lengths;
  lengths.reserve(kCount);
  for (std::size_t i = 0; i < kCount; ++i)
    lengths.emplace_back(Width(i) * 1000.0, Orvanta::Units::mm);
  for (auto _ : state) {
    Orvanta::Units::Length total;
    for (const Orvanta::Units::Length& length : lengths) total += length;
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCount));
}

void SecondMomentRaw(benchmark::State& state) {
  const auto kCount = static_cast<std::size_t>(state.range(0));
  std::vector<double> widths(kCount), depths(kCount), moments(kCount);
  for (std::size_t i = 0; i < kCount; ++i) {
    widths[i] = Width(i);
    depths[i] = Depth(i);
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < kCount; ++i)
      moments[i] = widths[i] * depths[i] * depths[i] * depths[i] / 12.0;
    benchmark::DoNotOptimize(moments.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCount));
}

void SecondMomentBoostUnits(benchmark::State& state) {
  const auto kCount = static_cast<std::size_t>(state.range(0));
  std::vector<BoostLength> widths(kCount), depths(kCount);
  std::vector<BoostSecondMoment> moments(kCount);
  for (std::size_t i = 0; i < kCount; ++i) {
    widths[i] = Width(i) * bu::si::meter;
    depths[i] = Depth(i) * bu::si::meter;
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < kCount; ++i)
      moments[i] = widths[i] * depths[i] * depths[i] * depths[i] / 12.0;
    benchmark::DoNotOptimize(moments.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCount));
}

void SecondMomentQuantity(benchmark::State& state) {
  const auto kCount = static_cast<std::size_t>(state.range(0));
  using namespace Orvanta::Units;
  std::vector<Length> widths, depths;
  std::vector<SecondMomentOfArea> moments(kCount);
  widths.reserve(kCount);
  depths.reserve(kCount);
  for (std::size_t i = 0; i < kCount; ++i) {
    widths.emplace_back(Width(i), m);
    depths.emplace_back(Depth(i), m);
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < kCount; ++i)
      moments[i] = widths[i] * depths[i] * depths[i] * depths[i] / 12.0;
    benchmark::DoNotOptimize(moments.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCount));
}

BENCHMARK(SumRaw)->Unit(benchmark::kMicrosecond)->Arg(10000)->Arg(1000000);
BENCHMARK(SumBoostUnits)->Unit(benchmark::kMicrosecond)->Arg(10000)->Arg(1000000);
BENCHMARK(SumQuantity)->Unit(benchmark::kMicrosecond)->Arg(10000)->Arg(1000000);
BENCHMARK(SecondMomentRaw)->Unit(benchmark::kMicrosecond)->Arg(10000)->Arg(1000000);
BENCHMARK(SecondMomentBoostUnits)->Unit(benchmark::kMicrosecond)->Arg(10000)->Arg(1000000);
BENCHMARK(SecondMomentQuantity)->Unit(benchmark::kMicrosecond)->Arg(10000)->Arg(1000000);

}  // namespace

BENCHMARK_MAIN();
