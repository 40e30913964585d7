// ZelvaneLatency: under a real message loop, the time from a keystroke to a visible,
// filled drop-down, for the ZelvaneTextBox control and for the shell's autocomplete
// fed the same items; and how soon a key pressed during a long filter is handled.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

#include "autocomplete_latency.h"
#include "control_latency.h"
#include "ole_session.h"
#include "probe_window.h"

namespace {

using namespace zelvane::demo;

constexpr double kFilterDelayMs = 150;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void MeasureCase(ControlLatency& control, const AutoCompleteLatency& shell, size_t count, bool all_match) {
  const ItemSet set = MakeItems(count, all_match);
  // One run at 32767 items: a fill of every item takes tens of seconds under Wine.
  const int runs = count > 1000 ? 1 : 5;
  std::vector<double> ours, first, again;
  for (int i = 0; i < runs; ++i) {
    ours.push_back(control.Measure(set));
    AutoCompleteTimes shell_times = shell.Measure(set);
    first.push_back(shell_times.first_key_ms);
    again.push_back(shell_times.again_ms);
  }
  const double measured = Median(ours), less_delay = measured - kFilterDelayMs;
  const double shell_first = Median(first), shell_again = Median(again);
  std::printf("%6zu %-5s %6zu | %8.1f %8.1f | %8.1f %8.1f | %6.2f %6.2f\n", count, all_match ? "all" : "1/26",
              set.matching, measured, less_delay, shell_first, shell_again, less_delay / shell_first,
              less_delay / shell_again);
  std::fflush(stdout);
}

int Run() {
  OleSession ole;
  AxHostLibrary ax;
  ProbeWindow window;
  ControlLatency control(ax, window);
  AutoCompleteLatency shell(window.get());

  std::printf("Key to visible, filled drop-down (ms, median). 'less delay' takes off the control's fixed\n"
              "150 ms filter delay; ratios are the control less delay over the shell.\n\n");
  std::printf("%6s %-5s %6s | %8s %8s | %8s %8s | %6s %6s\n", "items", "match", "rows", "control", "lessdly",
              "shell1st", "shell2nd", "r:1st", "r:2nd");
  for (size_t count : {100u, 1000u, 32767u})
    for (bool all_match : {false, true}) MeasureCase(control, shell, count, all_match);

  KeyDuringFill during = control.MeasureKeyDuringFill(MakeItems(32767, true));
  std::printf("\nKey pressed during a fill of %ld rows (posted at row %ld): KeyDown after %.2f ms, at row %ld "
              "(%ld row(s) later);\nthe drop-down refilled for the new text %.1f ms after the key.\n",
              during.rows_total, during.rows_before, during.to_key_down_ms, during.rows_at_key_down,
              during.rows_at_key_down - during.rows_before, during.to_refilled_ms);
  return 0;
}

}  // namespace

int wmain() {
  try {
    return Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ZelvaneLatency: %s\n", e.what());
    return 1;
  }
}
