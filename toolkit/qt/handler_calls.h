// Event handlers run inside pumps and may destroy any window, their own
// included. The widgets of a destroyed window are therefore deleted only
// once no handler is on the stack; until then they are hidden and no
// longer reachable by name.
#pragma once

#include <QWidget>

#include "toolkit/form_def.h"

namespace kestara {

// Counts the handlers (and other re-entrant calls) on the stack.
class HandlerScope {
 public:
  HandlerScope();
  ~HandlerScope();
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

int HandlerDepth();

void CallHandler(Handler handler);

// Takes a forgotten window; it is deleted once no handler is running.
void BuryWindow(QWidget* window);

}  // namespace kestara
