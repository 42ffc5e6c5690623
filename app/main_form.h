// The program's one window and the record that holds it and its controls.
#pragma once

#include <cstdint>

#include "controls/drop_down_list.h"
#include "controls/edit_box.h"
#include "controls/file_open_dialog.h"
#include "controls/folder_browse_dialog.h"
#include "controls/font.h"
#include "controls/label.h"
#include "controls/push_button.h"
#include "controls/top_window.h"

extern const char kCaption[];

struct MainForm {
  int32_t Busy = 0;  // 1 while an NRG conversion runs
  TopWindow Form;
  DropDownList ModeList;
  Label OptionLabel;
  Label SourceLabel;
  EditBox SourceEdit;
  PushButton SourceBrowse;
  FileOpenDialog OpenDialog;
  FolderBrowseDialog FolderDialog;
  Label TargetLabel;
  EditBox TargetEdit;  // read-only to the user
  PushButton TargetBrowse;
  PushButton ConvertButton;
  PushButton AboutButton;
  PushButton CloseButton;
  Label StatusLabel;

  Font WindowFont;
  HWND LastFocus = nullptr;  // where the focus goes back to
};

// Builds the record and its hidden, centred window; false when the system
// could not create the window or one of its controls.
bool NewMainForm(MainForm*& form, HWND parent);

// Shows the window and dispatches messages until it has been closed.
void RunMessageLoop(MainForm& form);

int ConversionMode(const MainForm& form);

void SourceBrowseClick(MainForm& form);
void TargetBrowseClick(MainForm& form);
void AboutClick(MainForm& form);
void CloseClick(MainForm& form);
