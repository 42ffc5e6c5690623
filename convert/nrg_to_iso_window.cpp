#include <windows.h>

#include "app/main_form.h"
#include "convert/nrg_to_iso.h"

namespace {

// Shows each status text at once. The copy runs on the window thread, so
// the label is repainted here, and the system is shown once a block that
// the thread is alive (PM_NOREMOVE takes no message from the queue), so it
// does not turn the window into a "Not Responding" ghost.
class StatusLabelSink : public StatusSink {
 public:
  explicit StatusLabelSink(const Label& label) : label_(label) {}
  void ShowStatus(const std::string& text) override {
    label_.SetText(text);
    UpdateWindow(label_.hwnd());
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
  }

 private:
  const Label& label_;
};

}  // namespace

NrgOutcome ConvertNrgToIso(MainForm& form) {
  if (form.Busy != 0) return NrgOutcome();
  form.Busy = 1;
  StatusLabelSink status(form.StatusLabel);
  NrgOutcome outcome = ExtractNrgToIso(form.SourceEdit.Text(), status);
  form.Busy = 0;
  return outcome;
}
