// Filtering a full list as a person drives it, and the matching alone, each beside
// the floor: a prefix compare (or, matching anywhere, a substring search) of every
// item's upper-case form in a tight loop.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/pattern_match.h"
#include "host/sim/sim_messages.h"
#include "host/sim/sim_text_case.h"
#include "itemlist/fifo_enumerator.h"
#include "support/sim_form.h"
#include "support/sim_machine.h"

namespace zelvane::bench {
namespace {

constexpr int kMostItems = 32767;
constexpr std::int64_t kFilterDelayMs = 150;

// Every item begins with K; the second letter runs through the alphabet, so a
// two-letter prefix picks one item in 26. Letter case is mixed as people type it.
const std::vector<std::u16string>& Items() {
  static const auto items = [] {
    std::vector<std::u16string> made;
    for (int i = 0; i < kMostItems; ++i) {
      char text[32];
      std::snprintf(text, sizeof text, "%c%c-entry %05d", i % 2 == 0 ? 'K' : 'k',
                    (i % 3 == 0 ? 'a' : 'A') + i % 26, i);
      made.emplace_back(text, text + std::char_traits<char>::length(text));
    }
    return made;
  }();
  return items;
}

struct Prefix {
  const char16_t* typed;
  std::int32_t rows;  // how many items it picks, checked on every run
  bool anywhere = false;  // MatchAnywhere: the typed text anywhere in the item
};

// Q is letter 16: the items i with i % 26 == 16.
constexpr Prefix kOneIn26{u"kq", (kMostItems - 16 + 25) / 26};
constexpr Prefix kAll{u"k", kMostItems};
constexpr Prefix kNone{u"k9", 0};
constexpr Prefix kAnywhereOneIn26{u"q-e", (kMostItems - 16 + 25) / 26, true};
constexpr Prefix kAnywhereAll{u"entry", kMostItems, true};
constexpr Prefix kAnywhereNone{u"9k", 0, true};

std::u16string PatternFor(const Prefix& prefix, const std::u16string& typed) {
  return prefix.anywhere ? u"*" + typed + u"*" : typed + u"*";
}

// A run-time control on the simulated desktop holding every item, most recent
// first, with the prefix typed and filtered once.
class FilledForm {
 public:
  explicit FilledForm(const Prefix& prefix) : typed_(prefix.typed) {
    form_.Container().SetUserMode(true);
    control::Zelvane& z = form_.CreateNew();
    z.SetMaxCount(kMostItems);
    z.SetMatchAnywhere(prefix.anywhere);
    for (auto item = Items().rbegin(); item != Items().rend(); ++item) z.AddItem(*item);
    form_.Type(typed_);
    form_.Wait(kFilterDelayMs);
  }

  support::SimForm& Form() { return form_; }

  // The person takes back the last letter and types it again; the timer ticks.
  void Retype() {
    form_.Press(sim::VK_BACK);
    form_.Type(typed_.substr(typed_.size() - 1));
    form_.Wait(kFilterDelayMs);
    form_.Events().Clear();
  }

 private:
  support::SimMachine machine_;
  support::SimForm form_{machine_};
  std::u16string_view typed_;
};

std::u16string Upper(std::u16string_view text) {
  static const sim::SimTextCase textCase;
  return textCase.ToUpper(text);
}

void FilterList(benchmark::State& state, const Prefix& prefix) {
  FilledForm filled(prefix);
  for (auto _ : state) filled.Retype();
  if (filled.Form().Lst().ListCount() != prefix.rows) state.SkipWithError("wrong rows");
}

// What FilterList does to decide which items match, without the rows and passes.
void Matching(benchmark::State& state, const Prefix& prefix) {
  FilledForm filled(prefix);
  const itemlist::CFifoBuffer& list = filled.Form().Control().ItemList();
  const std::u16string typed = Upper(prefix.typed);
  std::int32_t rows = 0;
  for (auto _ : state) {
    const core::LikePattern pattern(PatternFor(prefix, typed));
    rows = 0;
    list.NewEnum().VisitWhere([&pattern](std::u16string_view upper) { return pattern.Matches(upper); },
                              [&rows](std::u16string_view) {
                                ++rows;
                                return true;
                              });
    benchmark::DoNotOptimize(rows);
  }
  if (rows != prefix.rows) state.SkipWithError("wrong rows");
}

void Floor(benchmark::State& state, const Prefix& prefix) {
  std::vector<std::u16string> uppers;
  for (const auto& item : Items()) uppers.push_back(Upper(item));
  const std::u16string typed = Upper(prefix.typed);
  std::int32_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    if (prefix.anywhere) {
      for (const std::u16string_view upper : uppers) rows += upper.find(typed) != std::u16string_view::npos ? 1 : 0;
    } else {
      for (const std::u16string_view upper : uppers) rows += upper.starts_with(typed) ? 1 : 0;
    }
    benchmark::DoNotOptimize(rows);
  }
  if (rows != prefix.rows) state.SkipWithError("wrong rows");
}

#define ZELVANE_FILTER_BENCH(Kind, Case, prefix)                                                   \
  BENCHMARK_CAPTURE(Floor, Case, prefix)->Name(#Kind "/" #Case "/reference")->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(Kind, Case, prefix)->Name(#Kind "/" #Case "/ours")->Unit(benchmark::kMicrosecond)

ZELVANE_FILTER_BENCH(Matching, OneIn26, kOneIn26);
ZELVANE_FILTER_BENCH(Matching, All, kAll);
ZELVANE_FILTER_BENCH(Matching, None, kNone);
ZELVANE_FILTER_BENCH(FilterList, OneIn26, kOneIn26);
ZELVANE_FILTER_BENCH(FilterList, All, kAll);
ZELVANE_FILTER_BENCH(FilterList, None, kNone);
ZELVANE_FILTER_BENCH(Matching, AnywhereOneIn26, kAnywhereOneIn26);
ZELVANE_FILTER_BENCH(Matching, AnywhereAll, kAnywhereAll);
ZELVANE_FILTER_BENCH(Matching, AnywhereNone, kAnywhereNone);
ZELVANE_FILTER_BENCH(FilterList, AnywhereOneIn26, kAnywhereOneIn26);
ZELVANE_FILTER_BENCH(FilterList, AnywhereAll, kAnywhereAll);
ZELVANE_FILTER_BENCH(FilterList, AnywhereNone, kAnywhereNone);

}  // namespace
}  // namespace zelvane::bench
