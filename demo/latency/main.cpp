// ZelvaneLatency: under a real message loop, the time from a keystroke to a visible,
// filled drop-down with its rows in view painted, for the ZelvaneTextBox control and
// for the shell's autocomplete fed the same items, beside what a plain list box takes
// for the same rows; and how soon a key pressed during a long filter is handled.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "autocomplete_latency.h"
#include "control_latency.h"
#include "list_box_floor.h"
#include "ole_session.h"
#include "probe_window.h"

namespace {

using namespace zelvane::demo;

constexpr long kDefaultFilterDelayMs = 150;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Instruments {
  ControlLatency& control;
  const AutoCompleteLatency& shell;
  ListBoxFloor& floor;
};

// The measurements take turns within each run, so that a busy spell of the machine
// falls on all of them rather than on one.
void MeasureCase(const Instruments& with, size_t count, bool all_match, int runs) {
  const ItemSet set = MakeItems(count, all_match);
  std::vector<double> undelayed, delayed, first, again, fill, show;
  for (int i = 0; i < runs; ++i) {
    undelayed.push_back(with.control.Measure(set, 0));
    AutoCompleteTimes shell_times = with.shell.Measure(set);
    first.push_back(shell_times.first_key_ms);
    again.push_back(shell_times.again_ms);
    delayed.push_back(with.control.Measure(set, kDefaultFilterDelayMs) - kDefaultFilterDelayMs);
    FloorTimes floor = with.floor.Measure(set.matching);
    fill.push_back(floor.fill_ms);
    show.push_back(floor.show_ms);
  }
  const double ours = Median(undelayed), shell_again = Median(again), fill_floor = Median(fill);
  std::printf("%6zu %-5s %6zu %4d | %8.2f | %8.2f %8.2f %6.2f | %8.2f | %8.2f %8.2f %6.2f\n", count,
              all_match ? "all" : "1/26", set.matching.size(), runs, ours, Median(first), shell_again,
              ours / shell_again, Median(delayed), fill_floor, Median(show), ours / fill_floor);
  std::fflush(stdout);
}

// The themed look against the classic one, alternating so both meet the same load.
void MeasureLooks(ControlLatency& control) {
  const ItemSet set = MakeItems(1000, false);
  std::vector<double> classic, themed;
  for (int i = 0; i < 9; ++i) {
    control.SetLook(false);
    classic.push_back(control.Measure(set, 0));
    control.SetLook(true);
    themed.push_back(control.Measure(set, 0));
  }
  const double classic_ms = Median(classic), themed_ms = Median(themed);
  std::printf("\nWith the drop-down button, 1000 items, 1/26 matching, FilterDelay 0 (ms, median of 9): classic %.1f,\n"
              "themed (VisualStyles True) %.1f; ratio %.3f.\n",
              classic_ms, themed_ms, themed_ms / classic_ms);
  std::fflush(stdout);
}

// Rows drawn with bold matches against plain ones, alternating, every item a row.
void MeasureHighlight(ControlLatency& control) {
  std::printf("\nOpening the list with every item a row, FilterDelay 0 (ms, medians):\n");
  for (size_t count : {1000u, 32767u}) {
    const ItemSet set = MakeItems(count, true);
    std::vector<double> plain, bold;
    for (int i = 0; i < (count > 1000 ? 5 : 11); ++i) {
      control.SetHighlightMatch(false);
      plain.push_back(control.Measure(set, 0));
      control.SetHighlightMatch(true);
      bold.push_back(control.Measure(set, 0));
    }
    control.SetHighlightMatch(false);
    const double plain_ms = Median(plain), bold_ms = Median(bold);
    std::printf("%6zu rows: plain %.2f, HighlightMatch True %.2f; ratio %.3f.\n", count, plain_ms, bold_ms,
                bold_ms / plain_ms);
    std::fflush(stdout);
  }
}

enum class Mode { Full, Looks, Highlight, Smoke };

int Run(Mode mode) {
  OleSession ole;
  AxHostLibrary ax;
  ProbeWindow window;
  ControlLatency control(ax, window);
  if (mode == Mode::Looks) {
    MeasureLooks(control);
    return 0;
  }
  if (mode == Mode::Highlight) {
    MeasureHighlight(control);
    return 0;
  }
  AutoCompleteLatency shell(window.get());
  ListBoxFloor floor(window.get());

  std::printf(
      "Key to visible, filled drop-down, its first painting, in ms, medians of the runs given (what else\n"
      "the key left queued, such as the text box's repaint of the letter, is not timed). control: FilterDelay 0;\n"
      "shell: the shell's autocomplete, first key and the same key again; r:2nd = control / shell 2nd;\n"
      "dly150: the control with its default 150 ms FilterDelay, less those 150 ms (it also waits for\n"
      "the timer's tick); floors: a plain list box filling the same rows with painting off, and showing\n"
      "and painting them; r:fill = control / fill floor.\n\n");
  std::printf("%6s %-5s %6s %4s | %8s | %8s %8s %6s | %8s | %8s %8s %6s\n", "items", "match", "rows", "runs",
              "control", "shell1st", "shell2nd", "r:2nd", "dly150", "fill", "show", "r:fill");
  const Instruments with{control, shell, floor};
  if (mode == Mode::Smoke) {
    for (bool all_match : {false, true}) MeasureCase(with, 100, all_match, 1);
    return 0;
  }
  for (size_t count : {100u, 1000u, 32767u})
    for (bool all_match : {false, true}) MeasureCase(with, count, all_match, count > 1000 ? 5 : 11);

  KeyDuringFill during = control.MeasureKeyDuringFill(MakeItems(32767, true));
  std::printf("\nKey pressed during a fill of %ld rows (posted at row %ld): KeyDown after %.2f ms, at row %ld "
              "(%ld row(s) later);\nthe drop-down refilled for the new text %.1f ms after the key.\n",
              during.rows_total, during.rows_before, during.to_key_down_ms, during.rows_at_key_down,
              during.rows_at_key_down - during.rows_before, during.to_refilled_ms);
  MeasureLooks(control);
  MeasureHighlight(control);
  return 0;
}

}  // namespace

// --looks times only the themed look against the classic one, --highlight only the
// rows with bold matches against plain ones; --smoke runs the
// 100-item cases once, so that the test command notices a benchmark that no longer runs.
int wmain(int argc, wchar_t** argv) {
  const std::wstring option = argc == 2 ? argv[1] : L"";
  try {
    const Mode mode = option == L"--looks"       ? Mode::Looks
                      : option == L"--highlight" ? Mode::Highlight
                      : option == L"--smoke"     ? Mode::Smoke
                                                 : Mode::Full;
    return Run(mode);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ZelvaneLatency: %s\n", e.what());
    return 1;
  }
}
