#include "app/chooser_rules.h"
#include "app/main_form.h"
#include "common/path.h"

void SourceBrowseClick(MainForm& form) {
  if (const char* filter = FilterForMode(ConversionMode(form))) form.OpenDialog.filter = filter;
  if (!form.OpenDialog.Run()) return;
  form.SourceEdit.SetText(form.OpenDialog.file_name);
  form.TargetEdit.SetText(FolderOf(form.SourceEdit.Text()));
}

void TargetBrowseClick(MainForm& form) {
  if (form.SourceEdit.Text().empty()) return;
  form.FolderDialog.initial_folder = InitialFolderFor(form.TargetEdit.Text());
  if (form.FolderDialog.Run()) form.TargetEdit.SetText(form.FolderDialog.chosen);
}
