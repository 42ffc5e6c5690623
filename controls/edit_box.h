// A single-line edit box with a sunken border whose text scrolls sideways.
#pragma once

#include "controls/control.h"

class EditBox : public Control {
 public:
  // A read-only box keeps its text selectable and copyable.
  bool Create(ControlArgs args, bool read_only) {
    args.class_name = "EDIT";
    args.style |= ES_LEFT | ES_AUTOHSCROLL | (read_only ? ES_READONLY : 0);
    args.ex_style |= WS_EX_CLIENTEDGE;
    hwnd_ = CreateControl(args);
    return hwnd_ != nullptr;
  }
};
