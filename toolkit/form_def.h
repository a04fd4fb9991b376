// Declarative form definitions: a window's settings and its controls in
// stacking order (the first control lies above all later ones).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"

namespace kestara {

using Handler = void (*)();

// Colours are 0x00BBGGRR; this one stands for the button-face colour.
constexpr std::uint32_t kDefaultColour = 0xFF000000u;

enum class Kind {
  Label,
  EditBox,
  Button,
  ComboBox,
  PictureBox,
  HyperlinkBox,
  FileDialog,
  Timer,
  PictureButton,
};

// An empty face is the default GUI font. A negative height -N asks for a
// character height of N pixels.
struct FontDef {
  std::string face{};  // local text
  int height = 0;
};

// File dialog flags.
constexpr int kFileMustExist = 1;
constexpr int kOverwritePrompt = 2;
constexpr int kPathMustExist = 4;
constexpr int kHideReadOnly = 8;

enum PictureState { kNormalImage = 0, kHoverImage = 1, kPressedImage = 2, kDisabledImage = 3 };

struct ControlDef {
  std::string name{};  // the form name, UTF-8 in the source
  Kind kind = Kind::Label;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool tabStop = false;
  bool handCursor = false;

  std::string text{};  // caption or content, local text
  std::uint32_t textColour = 0x000000;
  std::uint32_t backColour = kDefaultColour;
  FontDef font{};

  // Labels.
  Bytes picture{};  // background picture; for a picture box, its picture
  bool gradient = false;
  std::array<std::uint32_t, 3> gradientColours{};
  bool border = false;
  bool raised = false;
  int horizontalAlignment = 0;  // 0 left, 1 centre, 2 right
  bool wordWrap = false;
  int verticalAlignment = 1;  // 0 top, 1 centre, 2 bottom

  // Buttons.
  bool defaultButton = false;

  // Combo boxes.
  std::vector<std::string> items{};  // local text
  int selection = -1;

  // Picture boxes.
  bool animate = false;

  // Hyperlink boxes.
  std::string linkTarget{};  // local text

  // File dialogs.
  int dialogType = 0;  // 0 open, 1 save
  std::string dialogTitle{};   // local text
  std::string dialogFilter{};  // "desc|pattern|desc|pattern", local text
  int dialogFlags = 0;

  // Picture buttons: normal, hover, pressed, disabled (each may be empty).
  std::array<Bytes, 4> images{};

  // Timers.
  int period = 0;

  // Events.
  Handler onClick = nullptr;
  Handler onTimer = nullptr;
};

struct FormDef {
  std::string name{};  // how controls address the window
  int width = 0;
  int height = 0;
  std::string caption{};  // local text
  Bytes background{};     // tiled from the top-left corner
  bool inTaskbar = true;
  bool alwaysOnTop = false;
  bool dragAnywhere = true;
  bool escCloses = true;
  bool visibleAtLoad = true;
  Handler onCreated = nullptr;
  Handler onFirstActivated = nullptr;
  Handler onMouseMove = nullptr;
  std::vector<ControlDef> controls;
};

}  // namespace kestara
