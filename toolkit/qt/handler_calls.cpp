#include "toolkit/qt/handler_calls.h"

#include <QPointer>
#include <vector>

namespace kestara {
namespace {

int g_depth = 0;

std::vector<QPointer<QWidget>>& Buried() {
  static std::vector<QPointer<QWidget>> windows;
  return windows;
}

// deleteLater, not delete: at depth 0 we may still be inside the Qt event
// code of one of the window's own widgets (a click that closed it).
void ReapBuried() {
  std::vector<QPointer<QWidget>> windows;
  windows.swap(Buried());
  for (const QPointer<QWidget>& window : windows) {
    if (window) window->deleteLater();
  }
}

}  // namespace

HandlerScope::HandlerScope() { ++g_depth; }

HandlerScope::~HandlerScope() {
  if (--g_depth == 0) ReapBuried();
}

int HandlerDepth() { return g_depth; }

void CallHandler(Handler handler) {
  if (handler == nullptr) return;
  HandlerScope scope;
  handler();
}

void BuryWindow(QWidget* window) {
  if (window == nullptr) return;
  Buried().emplace_back(window);
  if (g_depth == 0) ReapBuried();
}

}  // namespace kestara
