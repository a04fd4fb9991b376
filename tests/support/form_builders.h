// Small test forms: a window and controls with just a place and a size.
#pragma once

#include <string>
#include <utility>

#include "toolkit/form_def.h"

namespace kestara::fixtures {

inline ControlDef MakeControl(std::string name, Kind kind, int left = 0, int top = 0, int width = 40,
                              int height = 20, std::string text = {}) {
  ControlDef def;
  def.name = std::move(name);
  def.kind = kind;
  def.left = left;
  def.top = top;
  def.width = width;
  def.height = height;
  def.text = std::move(text);
  return def;
}

inline FormDef MakeForm(std::string name, int width = 200, int height = 120, std::string background = {}) {
  FormDef def;
  def.name = std::move(name);
  def.width = width;
  def.height = height;
  def.background = std::move(background);
  return def;
}

}  // namespace kestara::fixtures
