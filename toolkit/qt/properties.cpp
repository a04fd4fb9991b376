// Properties of windows and controls by name. A property a kind lacks
// reads 0 or empty and ignores writes.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <climits>

#include "toolkit/qt/colours.h"
#include "toolkit/qt/edit_box.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/form_registry.h"
#include "toolkit/qt/form_window.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/raise_window.h"

namespace kestara {
namespace {

Value Text(std::string text) { return Value(std::move(text)); }

int ToInt(std::int64_t number) {
  return static_cast<int>(std::clamp<std::int64_t>(number, INT_MIN, INT_MAX));
}

bool HasFont(Kind kind) {
  return kind == Kind::Label || kind == Kind::EditBox || kind == Kind::Button || kind == Kind::ComboBox ||
         kind == Kind::HyperlinkBox;
}

void ShowAndActivate(QWidget* window) {
  window->show();
  RaiseWindow(window);
  window->activateWindow();
}

Value WindowProp(FormWindow& window, Prop property) {
  switch (property) {
    case Prop::Left: return window.pos().x();
    case Prop::Top: return window.pos().y();
    case Prop::Width: return window.frameGeometry().width();
    case Prop::Height: return window.frameGeometry().height();
    case Prop::Visible: return window.isVisible();
    case Prop::Disabled: return !window.isEnabled();
    case Prop::Text: return Text(FromQt(window.windowTitle()));
    case Prop::BackgroundPicture: return Text(window.Background());
    case Prop::AlwaysOnTop: return window.AlwaysOnTop();
    default: return Value();
  }
}

void SetWindowProp(FormWindow& window, Prop property, const Value& value) {
  const int number = ToInt(value.Number());
  switch (property) {
    case Prop::Left: window.move(number, window.pos().y()); break;
    case Prop::Top: window.move(window.pos().x(), number); break;
    case Prop::Width: window.resize(std::max(number, 0), window.height()); break;
    case Prop::Height: window.resize(window.width(), std::max(number, 0)); break;
    case Prop::Visible:
      if (value.Flag()) {
        ShowAndActivate(&window);
      } else {
        window.hide();
      }
      break;
    case Prop::Disabled: window.setEnabled(!value.Flag()); break;
    case Prop::Text: window.setWindowTitle(ToQt(value.Text())); break;
    case Prop::BackgroundPicture: window.SetBackground(value.Text()); break;
    case Prop::AlwaysOnTop: window.SetAlwaysOnTop(value.Flag()); break;
    default: break;
  }
}

std::string WidgetText(const ControlRecord& control, QWidget* widget) {
  switch (control.kind) {
    case Kind::Label: return static_cast<Label*>(widget)->Text();
    case Kind::EditBox: return static_cast<EditBox*>(widget)->LocalText();
    case Kind::Button: return FromQt(static_cast<QPushButton*>(widget)->text());
    case Kind::ComboBox: return FromQt(static_cast<QComboBox*>(widget)->currentText());
    case Kind::HyperlinkBox: return FromQt(static_cast<QLabel*>(widget)->text());
    default: return std::string();
  }
}

void SetWidgetText(const ControlRecord& control, QWidget* widget, const std::string& text) {
  switch (control.kind) {
    case Kind::Label: static_cast<Label*>(widget)->SetText(text); break;
    case Kind::EditBox: static_cast<EditBox*>(widget)->SetLocalText(text); break;
    case Kind::Button: static_cast<QPushButton*>(widget)->setText(ToQt(text)); break;
    case Kind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      const int index = combo->findText(ToQt(text), Qt::MatchExactly);
      if (index >= 0) combo->setCurrentIndex(index);
      break;
    }
    case Kind::HyperlinkBox: static_cast<QLabel*>(widget)->setText(ToQt(text)); break;
    default: break;
  }
}

void SetTextColour(ControlRecord& control, QWidget* widget, std::uint32_t colour) {
  control.textColour = colour;
  switch (control.kind) {
    case Kind::Label: static_cast<Label*>(widget)->SetTextColour(colour); break;
    case Kind::EditBox: {
      auto* edit = static_cast<EditBox*>(widget);
      edit->SetColours(colour, edit->BackColour());
      break;
    }
    default: {
      QPalette colours = widget->palette();
      colours.setColor(QPalette::ButtonText, ColourFromValue(colour));
      colours.setColor(QPalette::WindowText, ColourFromValue(colour));
      colours.setColor(QPalette::Text, ColourFromValue(colour));
      widget->setPalette(colours);
      break;
    }
  }
}

Value FontProp(QWidget* widget, int member) {
  if (member == kFontSize) return FontSizeInPoints(widget->font());
  if (member == kFontName) return Text(FontFace(widget->font()));
  return Value();
}

void SetFontProp(QWidget* widget, int member, const Value& value) {
  if (member == kFontSize) {
    widget->setFont(WithSizeInPoints(widget->font(), ToInt(value.Number())));
  } else if (member == kFontName) {
    widget->setFont(WithFace(widget->font(), value.Text()));
  } else {
    return;
  }
  widget->update();
}

Value NonVisualProp(const ControlRecord& control, Prop property) {
  switch (property) {
    case Prop::TimerPeriod: return control.kind == Kind::Timer ? Value(control.period) : Value();
    case Prop::DialogType: return control.kind == Kind::FileDialog ? Value(control.dialog.type) : Value();
    case Prop::FileName: return control.kind == Kind::FileDialog ? Text(control.dialog.fileName) : Value();
    case Prop::LinkTarget: return control.kind == Kind::HyperlinkBox ? Text(control.linkTarget) : Value();
    default: return Value();
  }
}

Value ControlProp(const ControlRecord& control, Prop property, int member) {
  QWidget* widget = control.widget.data();
  if (widget == nullptr) return NonVisualProp(control, property);
  switch (property) {
    case Prop::Left: return widget->x();
    case Prop::Top: return widget->y();
    case Prop::Width: return widget->width();
    case Prop::Height: return widget->height();
    case Prop::Visible: return !widget->isHidden();
    case Prop::Disabled: return !widget->isEnabledTo(widget->window());
    case Prop::Text: return Text(WidgetText(control, widget));
    case Prop::Font: return HasFont(control.kind) ? FontProp(widget, member) : Value();
    case Prop::TextColor: return HasFont(control.kind) ? Value(static_cast<std::int64_t>(control.textColour)) : Value();
    case Prop::BackgroundPicture:
      return control.kind == Kind::Label ? Text(static_cast<Label*>(widget)->Picture()) : Value();
    case Prop::CurrentSelection:
      return control.kind == Kind::ComboBox ? Value(static_cast<QComboBox*>(widget)->currentIndex()) : Value();
    case Prop::HorizontalAlignment:
      return control.kind == Kind::Label ? Value(static_cast<Label*>(widget)->Alignment()) : Value();
    case Prop::WordWrap:
      return control.kind == Kind::Label ? Value(static_cast<Label*>(widget)->WordWrap()) : Value();
    default: return NonVisualProp(control, property);
  }
}

void SetNonVisualProp(ControlRecord& control, Prop property, const Value& value) {
  switch (property) {
    case Prop::TimerPeriod: {
      if (control.kind != Kind::Timer || !control.timer) return;
      const int period = std::max(ToInt(value.Number()), 0);
      if (period == control.period) return;  // the running count goes on
      control.period = period;
      if (period == 0) {
        control.timer->stop();
      } else {
        control.timer->start(period);
      }
      break;
    }
    case Prop::DialogType:
      if (control.kind == Kind::FileDialog) control.dialog.type = value.Number() == 1 ? 1 : 0;
      break;
    case Prop::FileName:
      if (control.kind == Kind::FileDialog) control.dialog.fileName = value.Text();
      break;
    case Prop::LinkTarget:
      if (control.kind == Kind::HyperlinkBox) control.linkTarget = value.Text();
      break;
    default:
      break;
  }
}

void SetControlProp(ControlRecord& control, Prop property, int member, const Value& value) {
  QWidget* widget = control.widget.data();
  if (widget == nullptr) {
    SetNonVisualProp(control, property, value);
    return;
  }
  const int number = ToInt(value.Number());
  switch (property) {
    case Prop::Left: widget->move(number, widget->y()); break;
    case Prop::Top: widget->move(widget->x(), number); break;
    case Prop::Width: widget->resize(std::max(number, 0), widget->height()); break;
    case Prop::Height: widget->resize(widget->width(), std::max(number, 0)); break;
    case Prop::Visible: widget->setVisible(value.Flag()); break;
    case Prop::Disabled: widget->setEnabled(!value.Flag()); break;
    case Prop::Text: SetWidgetText(control, widget, value.Text()); break;
    case Prop::Font:
      if (HasFont(control.kind)) SetFontProp(widget, member, value);
      break;
    case Prop::TextColor:
      if (HasFont(control.kind)) SetTextColour(control, widget, static_cast<std::uint32_t>(value.Number()));
      break;
    case Prop::BackgroundPicture:
      if (control.kind == Kind::Label) static_cast<Label*>(widget)->SetPicture(value.Text());
      break;
    case Prop::CurrentSelection:
      if (control.kind == Kind::ComboBox) {
        auto* combo = static_cast<QComboBox*>(widget);
        if (number >= -1 && number < combo->count()) combo->setCurrentIndex(number);
      }
      break;
    case Prop::HorizontalAlignment:
      if (control.kind == Kind::Label && number >= 0 && number <= 2) static_cast<Label*>(widget)->SetAlignment(number);
      break;
    case Prop::WordWrap:
      if (control.kind == Kind::Label) static_cast<Label*>(widget)->SetWordWrap(value.Flag());
      break;
    default:
      SetNonVisualProp(control, property, value);
      break;
  }
}

}  // namespace

Value GetProp(const Control& control, Prop property, int member) {
  FormRecord* form = FindForm(control.form);
  if (form == nullptr) return Value();
  if (control.name.empty()) return form->window ? WindowProp(*form->window, property) : Value();
  ControlRecord* record = form->FindControl(control.name);
  return record == nullptr ? Value() : ControlProp(*record, property, member);
}

void SetProp(const Control& control, Prop property, const Value& value) { SetProp(control, property, 0, value); }

void SetProp(const Control& control, Prop property, int member, const Value& value) {
  FormRecord* form = FindForm(control.form);
  if (form == nullptr) return;
  if (control.name.empty()) {
    if (form->window) SetWindowProp(*form->window, property, value);
    return;
  }
  if (ControlRecord* record = form->FindControl(control.name)) SetControlProp(*record, property, member, value);
}

}  // namespace kestara
