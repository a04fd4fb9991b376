#include "toolkit/qt/control_factory.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "toolkit/qt/colours.h"
#include "toolkit/qt/edit_box.h"
#include "toolkit/qt/events.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/form_window.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/picture_box.h"
#include "toolkit/qt/picture_button.h"
#include "toolkit/qt/qt_text.h"

namespace kestara {
namespace {

QPushButton* MakeButton(const ControlDef& def, QWidget* parent, std::function<void()> click) {
  auto* button = new QPushButton(ToQt(def.text), parent);
  button->setFont(FontFromDef(def.font));
  button->setDefault(def.defaultButton);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [click = std::move(click)] { click(); });
  return button;
}

QComboBox* MakeComboBox(const ControlDef& def, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(false);
  combo->setFont(FontFromDef(def.font));
  for (const std::string& item : def.items) combo->addItem(ToQt(item));
  combo->setCurrentIndex(def.selection >= 0 && def.selection < combo->count() ? def.selection : -1);
  QPalette colours = combo->palette();
  colours.setColor(QPalette::Text, ColourFromValue(def.textColour));
  colours.setColor(QPalette::ButtonText, ColourFromValue(def.textColour));
  if (def.backColour != kDefaultColour) colours.setColor(QPalette::Base, ColourFromValue(def.backColour));
  combo->setPalette(colours);
  return combo;
}

QLabel* MakeHyperlinkBox(const ControlDef& def, QWidget* parent) {
  auto* link = new QLabel(ToQt(def.text), parent);
  link->setTextFormat(Qt::PlainText);
  link->setFont(FontFromDef(def.font));
  return link;
}

QWidget* MakeWidget(const ControlDef& def, QWidget* parent, std::function<void()> click) {
  switch (def.kind) {
    case Kind::Label: {
      auto* label = new Label(def, parent);
      label->clicked = std::move(click);
      return label;
    }
    case Kind::EditBox:
      return new EditBox(def, parent);
    case Kind::Button:
      return MakeButton(def, parent, std::move(click));
    case Kind::ComboBox:
      return MakeComboBox(def, parent);
    case Kind::PictureBox: {
      auto* box = new PictureBox(def, parent);
      box->clicked = std::move(click);
      return box;
    }
    case Kind::HyperlinkBox:
      return MakeHyperlinkBox(def, parent);
    case Kind::PictureButton: {
      auto* button = new PictureButton(def, parent);
      button->clicked = std::move(click);
      return button;
    }
    case Kind::FileDialog:
    case Kind::Timer:
      return nullptr;
  }
  return nullptr;
}

void TrackMouse(QWidget* widget) {
  widget->setMouseTracking(true);
  if (auto* scrolled = dynamic_cast<QAbstractScrollArea*>(widget)) scrolled->viewport()->setMouseTracking(true);
}

Qt::FocusPolicy FocusFor(const ControlDef& def) {
  switch (def.kind) {
    case Kind::EditBox:
    case Kind::Button:
    case Kind::ComboBox:
      return def.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    default:
      return Qt::NoFocus;
  }
}

}  // namespace

void BuildControls(FormRecord& form, const FormDef& def) {
  FormWindow* window = form.window.data();
  const Handle formHandle = form.handle;
  for (const ControlDef& controlDef : def.controls) {
    auto record = std::make_unique<ControlRecord>();
    record->name = controlDef.name;
    record->kind = controlDef.kind;
    record->textColour = controlDef.textColour;
    record->onClick = controlDef.onClick;
    record->onTimer = controlDef.onTimer;
    record->linkTarget = controlDef.linkTarget;
    const std::string name = controlDef.name;

    if (controlDef.kind == Kind::Timer) {
      auto* timer = new QTimer(window);
      timer->setTimerType(Qt::PreciseTimer);
      QObject::connect(timer, &QTimer::timeout, timer, [formHandle, name] { RaiseTimer(formHandle, name); });
      record->timer = timer;  // stopped until a handler gives it a period
    } else if (controlDef.kind == Kind::FileDialog) {
      record->dialog.type = controlDef.dialogType;
      record->dialog.title = controlDef.dialogTitle;
      record->dialog.filter = controlDef.dialogFilter;
      record->dialog.flags = controlDef.dialogFlags;
    } else {
      QWidget* widget = MakeWidget(controlDef, window, [formHandle, name] { RaiseClick(formHandle, name); });
      widget->setObjectName(NameToQt(name));
      widget->setGeometry(controlDef.left, controlDef.top, controlDef.width, controlDef.height);
      widget->setFocusPolicy(FocusFor(controlDef));
      if (controlDef.handCursor) widget->setCursor(Qt::PointingHandCursor);
      TrackMouse(widget);
      widget->lower();  // each later control lies below the earlier ones
      widget->setVisible(controlDef.visible);
      record->widget = widget;
      record->handle = RegisterHandle(widget);
    }
    form.controls.push_back(std::move(record));
  }
}

}  // namespace kestara
