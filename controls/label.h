// Static text on one line, '&' drawn as itself, sized to fit its text.
#pragma once

#include "controls/control.h"

class Label : public Control {
 public:
  bool Create(ControlArgs args);
  // Sets the text and resizes the label to it, one pixel wider and higher.
  void SetText(const std::string& text) const;

 private:
  void FitText() const;
};
