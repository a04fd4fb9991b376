// Paced fade-in and the fade-out that ends the program.
#include "effects/delay.h"
#include "effects/effects.h"

namespace kestara {
namespace {

constexpr int kDefaultSteps = 25;
constexpr int kDefaultPause = 50;  // ms

// 0 stands for the default: 25 steps of 50 ms.
void UseDefaults(int& steps, int& pause) {
  if (pause == 0) pause = kDefaultPause;
  if (steps == 0) steps = kDefaultSteps;
}

// i × 10, formed in floating point and truncated.
int StepAlpha(int step) { return static_cast<int>(step * 10.0); }

}  // namespace

void FadeIn(const Control& window, int steps, int pause) {
  UseDefaults(steps, pause);
  PumpEvents();
  for (int i = 1; i <= steps; ++i) {
    SetWindowAlpha(window, StepAlpha(i));
    RefreshWindow(window);
    Delay(pause, 0);
  }
  // Opaque at the end, whatever handlers did to the opacity meanwhile.
  SetWindowAlpha(window, 255);
}

void FadeOutAndExit(const Control& window, int steps, int pause) {
  UseDefaults(steps, pause);
  PumpEvents();
  // The counter is local: a nested fade-out runs its own loop, and the
  // first one to finish ends the program.
  for (int i = 1; i <= steps; ++i) {
    SetWindowAlpha(window, 255 - StepAlpha(i));
    RefreshWindow(window);
    Delay(pause, 0);
  }
  SetWindowAlpha(window, 1);
  ExitProgram(0);
}

}  // namespace kestara
