// Start-up: the toolkit, the exit clean-up, the main window, the event loop.
#include "app/main_window.h"
#include "toolkit/forms/forms.h"
#include "toolkit/toolkit.h"

int main() {
  using namespace kestara;
  StartToolkit();
  SetExitHandler(ReleaseAlertSound);
  LoadForm(MainWindowForm(), false);
  return RunEventLoop();
}
