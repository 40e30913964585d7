// ZelvaneDemo: a small form with two ZelvaneTextBox controls, created through COM by
// ProgID. Without arguments it waits for the person; with --script <folder> it plays
// the demo itself, writes screenshots into the folder and checks the events.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "demo_form.h"
#include "event_log.h"
#include "ole_session.h"
#include "scripted_run.h"
#include "text.h"

namespace {

using namespace zelvane::demo;

int RunInteractive() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}

int Run(int argc, wchar_t** argv) {
  const bool scripted = argc >= 2 && std::wstring(argv[1]) == L"--script";
  const bool shortRun = argc == 5 && std::wstring(argv[3]) == L"--short";
  if (scripted && argc != 3 && !shortRun) {
    PrintLine("usage: ZelvaneDemo.exe [--script <output folder> [--short <screenshot file>]]");
    return 2;
  }
  // The form scales its own layout, so the system need not stretch its pixels.
  ::SetProcessDPIAware();
  OleSession ole;
  AxHostLibrary ax;
  EventLog log;
  DemoForm form(ax, [&log](const ControlEvent& event) {
    PrintLine(event.Line());
    log.Add(event);
  });
  form.Show();
  if (!scripted) return RunInteractive();
  ScriptedRun run(form, log, argv[2]);
  return shortRun ? run.ExecuteShort(argv[4]) : run.Execute();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ZelvaneDemo: %s\n", e.what());
    return 1;
  }
}
