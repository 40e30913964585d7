#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "core/line_split.h"
#include "itemlist/c_fifo_buffer.h"
#include "support/ascii_text_case.h"
#include "support/reference_fifo.h"

namespace zelvane::bench {
namespace {

using itemlist::CFifoBuffer;
using support::ReferenceFifo;

constexpr int kMostItems = 32767;

const host::TextCase& TextCase() {
  static const support::AsciiTextCase textCase;
  return textCase;
}

std::u16string Numbered(const char* format, int number) {
  char text[16];
  std::snprintf(text, sizeof text, format, number);
  return {text, text + std::char_traits<char>::length(text)};
}

// Seven characters, so both lists keep them in the string itself, as short entries are.
const std::vector<std::u16string>& DistinctItems() {
  static const auto items = [] {
    std::vector<std::u16string> made;
    for (int i = 0; i < kMostItems; ++i) made.push_back(Numbered(i % 2 == 0 ? "It%05d" : "iT%05d", i));
    return made;
  }();
  return items;
}

// 100 values, each drawn in one of four letter cases.
const std::vector<std::u16string>& RepeatedItems() {
  static const auto items = [] {
    static const char* const kCases[] = {"val%03d", "Val%03d", "VAL%03d", "vAl%03d"};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(0, 99);
    std::uniform_int_distribution<int> letterCase(0, 3);
    std::vector<std::u16string> made;
    for (int i = 0; i < kMostItems; ++i) made.push_back(Numbered(kCases[letterCase(random)], value(random)));
    return made;
  }();
  return items;
}

template <class List>
void Refill(List& list, const std::vector<std::u16string>& items) {
  list.Clear();
  for (const auto& item : items) list.Add(item);
}

// A full list of distinct items, optionally with every third one added again so
// that positions no longer follow the order the items were first put in.
template <class List>
std::unique_ptr<List> MadeFull(bool moveEveryThird) {
  auto list = std::make_unique<List>(TextCase());
  list->SetMaxCount(kMostItems);
  Refill(*list, DistinctItems());
  for (std::size_t i = 0; moveEveryThird && i < DistinctItems().size(); i += 3) list->Add(DistinctItems()[i]);
  return list;
}

// Made once per kind: the reference takes seconds to fill.
template <class List>
const List& FullList() {
  static const auto list = MadeFull<List>(false);
  return *list;
}

template <class List>
const List& ShuffledList() {
  static const auto list = MadeFull<List>(true);
  return *list;
}

// Times refilling a list of the largest size with what `itemsOfPass` gives each pass.
template <class List, class ItemsOfPass>
void TimeRefills(benchmark::State& state, const ItemsOfPass& itemsOfPass) {
  List list(TextCase());
  list.SetMaxCount(kMostItems);
  for (auto _ : state) Refill(list, itemsOfPass());
  benchmark::DoNotOptimize(list.Count());
}

template <class List>
void FillDistinct(benchmark::State& state) {
  TimeRefills<List>(state, []() -> const auto& { return DistinctItems(); });
}

template <class List>
void FillRepeated(benchmark::State& state) {
  TimeRefills<List>(state, []() -> const auto& { return RepeatedItems(); });
}

template <class List>
void ReadStringValue(benchmark::State& state) {
  const List& list = FullList<List>();
  for (auto _ : state) {
    std::u16string joined = list.StringValue();
    benchmark::DoNotOptimize(joined.data());
  }
}

// What loading a saved list does: split the text at CR LF and add the pieces.
template <class List>
void WriteStringValue(benchmark::State& state) {
  const std::u16string saved = FullList<List>().StringValue();
  TimeRefills<List>(state, [&saved] { return core::SplitCrLf(saved); });
}

template <class List>
void ReadPositions(benchmark::State& state, const List& list) {
  for (auto _ : state) {
    for (std::int32_t position = 1; position <= list.Count(); ++position) {
      std::u16string item = list.Item(core::Variant{position});
      benchmark::DoNotOptimize(item.data());
    }
  }
}

template <class List>
void ReadEveryPosition(benchmark::State& state) {
  ReadPositions(state, FullList<List>());
}

template <class List>
void ReadEveryPositionAfterMoves(benchmark::State& state) {
  ReadPositions(state, ShuffledList<List>());
}

// A full list to take apart: a copy of the reference's (which takes seconds to
// fill), a fresh fill of ours.
template <class List>
std::unique_ptr<List> FreshFull() {
  if constexpr (std::is_copy_constructible_v<List>) {
    return std::make_unique<List>(FullList<List>());
  } else {
    return MadeFull<List>(false);
  }
}

// Removes every item of a full list one by one, each at the position `positionOf`
// picks for the count left; only the removals are timed.
template <class List, class PositionOf>
void TimeRemovals(benchmark::State& state, const PositionOf& positionOf) {
  for (auto _ : state) {
    state.PauseTiming();
    auto list = FreshFull<List>();
    state.ResumeTiming();
    while (list->Count() > 0) list->RemoveAt(positionOf(list->Count()));
    benchmark::DoNotOptimize(list->Count());
  }
}

template <class List>
void RemoveEveryItemFromTheFront(benchmark::State& state) {
  TimeRemovals<List>(state, [](std::int32_t) { return 1; });
}

template <class List>
void RemoveEveryItemFromTheMiddle(benchmark::State& state) {
  TimeRemovals<List>(state, [](std::int32_t count) { return count / 2 + 1; });
}

#define ZELVANE_BENCH_PAIR(Case)                                                                    \
  BENCHMARK(Case<ReferenceFifo>)->Name("ItemList/" #Case "/reference")->Unit(benchmark::kMillisecond); \
  BENCHMARK(Case<CFifoBuffer>)->Name("ItemList/" #Case "/ours")->Unit(benchmark::kMillisecond)

ZELVANE_BENCH_PAIR(FillDistinct);
ZELVANE_BENCH_PAIR(FillRepeated);
ZELVANE_BENCH_PAIR(ReadStringValue);
ZELVANE_BENCH_PAIR(WriteStringValue);
ZELVANE_BENCH_PAIR(ReadEveryPosition);
ZELVANE_BENCH_PAIR(ReadEveryPositionAfterMoves);
ZELVANE_BENCH_PAIR(RemoveEveryItemFromTheFront);
ZELVANE_BENCH_PAIR(RemoveEveryItemFromTheMiddle);

}  // namespace
}  // namespace zelvane::bench
