#include "DesignTable.h"

#include <map>

#include "forms/Buttons.h"
#include "forms/TAnimate.h"
#include "forms/TApplication.h"
#include "forms/TCustomEdit.h"
#include "forms/TLabel.h"
#include "forms/TMemo.h"
#include "platform/headless/HeadlessDriver.h"
#include "rtl/CodePage.h"

namespace {

std::string ColorName(TColor color) {
  static const std::map<TColor, std::string> names{{clBlack, "clBlack"}, {clWhite, "clWhite"}, {clBlue, "clBlue"},
                                                   {clYellow, "clYellow"}, {clBtnFace, "clBtnFace"}};
  return names.at(color);
}

std::string Quoted(const AnsiString& text) {
  std::string quoted(1, '"');
  quoted += AnsiToUtf8(text);
  quoted += '"';
  return quoted;
}

std::string FontOf(const TControl& control) {
  const TFont& font = *control.Font();
  std::string text = "font " + font.Name() + " " + std::to_string(font.Height()) + " " + ColorName(font.Color());
  if (font.Style().Contains(fsBold)) text += " bold";
  if (font.Style().Contains(fsUnderline)) text += " underline";
  if (font.Charset() == EASTEUROPE_CHARSET) text += " east-european";
  return text;
}

std::string Place(const TControl& control) {
  return std::to_string(control.Left()) + "," + std::to_string(control.Top()) + " " + std::to_string(control.Width()) +
         "x" + std::to_string(control.Height());
}

// An auto-sized label tells that it fits its text rather than its size.
std::string PlaceOf(const TLabel& label) {
  const platform::Size measured =
      Application->WindowSystem().MeasureText(label.Caption(), label.Font()->Spec(), label.WordWrap() ? label.Width() : 0);
  if (!label.AutoSize() || label.Width() != measured.width || label.Height() != measured.height) return Place(label);
  std::string text = std::to_string(label.Left()) + "," + std::to_string(label.Top());
  if (!label.WordWrap()) return text + " sized to its text";
  text += ' ';
  return text + std::to_string(label.Width()) + " wide, wrapped to its text";
}

// Picture, hint, pointer, state and tab order, where they differ from the defaults.
std::string Common(const TControl& control) {
  std::string text;
  if (!control.Picture().empty()) text += " picture " + control.Picture();
  if (control.ShowHint()) text += " hint " + Quoted(control.Hint());
  if (control.Cursor() == crHandPoint) text += " hand";
  if (!control.Enabled()) text += " disabled";
  if (auto* win = dynamic_cast<const TWinControl*>(&control); win && win->TabStop() && win->TabOrder() >= 0)
    text += " tab " + std::to_string(win->TabOrder());
  return text;
}

std::string Describe(const TComponent& component) {
  const std::string name = component.Name() + " ";
  if (auto* label = dynamic_cast<const TLabel*>(&component))
    return name + "TLabel " + PlaceOf(*label) + " " + Quoted(label->Caption()) + " " + FontOf(*label) +
           (label->Transparent() ? " transparent" : "") + Common(*label);
  if (auto* memo = dynamic_cast<const TMemo*>(&component))
    return name + "TMemo " + Place(*memo) + " " + std::to_string(memo->Lines()->Count()) +
           " lines " + ColorName(memo->Color()) + " " + FontOf(*memo) + (memo->WordWrap() ? " wrapped" : "") +
           Common(*memo);
  if (auto* button = dynamic_cast<const TBitBtn*>(&component))
    return name + "TBitBtn " + Place(*button) + " " + Quoted(button->Caption()) +
           (button->Kind() == bkOK ? " kind OK" : "") + (button->Default() ? " default" : "") + " result " +
           std::to_string(button->ModalResult()) + Common(*button);
  if (auto* animate = dynamic_cast<const TAnimate*>(&component))
    return name + "TAnimate " + Place(*animate) + (animate->CommonAVI() == aviFindFolder ? " find-folder" : "") +
           " to " + std::to_string(animate->StopFrame()) + (animate->Active() ? " active" : "") + Common(*animate);
  if (auto* edit = dynamic_cast<const TEdit*>(&component))
    return name + "TEdit " + Place(*edit) + " " + Quoted(edit->Text()) + Common(*edit);
  if (auto* control = dynamic_cast<const TControl*>(&component))
    return name + (dynamic_cast<const TSpeedButton*>(control) ? "TSpeedButton " : "TImage ") + Place(*control) +
           Common(*control);
  return name + "no visual part";
}

}  // namespace

std::string DescribeWindow(TForm& form) {
  const platform::BorderIcons icons = platform::headless::HeadlessDriver::Peer(form.Peer()).borderIcons;
  const bool closeBox = icons.systemMenu || icons.minimize || icons.maximize;
  return Quoted(form.Caption()) + "; " + (form.BorderStyle() == bsSingle ? "fixed" : "sizeable") +
         (closeBox ? "" : ", no title-bar buttons") + "; " + std::to_string(form.Left()) + "," +
         std::to_string(form.Top()) + "; outer " + std::to_string(form.Width()) + "x" + std::to_string(form.Height()) +
         ", client " + std::to_string(form.ClientWidth()) + "x" + std::to_string(form.ClientHeight()) + "; " +
         ColorName(form.Color()) + "; " + FontOf(form);
}

std::vector<std::string> DescribeComponents(TForm& form) {
  std::vector<std::string> lines;
  for (int i = 0; i < form.ComponentCount(); ++i) lines.push_back(Describe(*form.Components(i)));
  return lines;
}
