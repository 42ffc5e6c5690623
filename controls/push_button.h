// A plain push button; never the default button.
#pragma once

#include "controls/control.h"

class PushButton : public Control {
 public:
  bool Create(ControlArgs args) {
    args.class_name = "BUTTON";
    args.style |= BS_PUSHBUTTON;
    hwnd_ = CreateControl(args);
    return hwnd_ != nullptr;
  }
};
