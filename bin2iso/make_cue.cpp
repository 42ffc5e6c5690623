#include "bin2iso/names.h"
#include "bin2iso/tool.h"
#include "common/path.h"
#include "common/text.h"

namespace {

bool NamesAFolder(const std::string& path) {
  return IsFolder(path) || (!path.empty() && (path.back() == '\\' || path.back() == '/'));
}

// The BIN in `folder` named like the CUE sheet, found without regard to case.
std::string BinBeside(const std::string& folder, const std::string& cue_path) {
  std::string wanted = ReplaceExtension(NameOf(cue_path), ".bin");
  std::string match = MatchWithoutCase(folder, wanted);
  return folder + (match.empty() ? wanted : match);
}

}  // namespace

int WriteCueSheet(const std::string& cue_path, const std::string& bin_argument, Reporter& report) {
  std::string bin_path = bin_argument;
  if (NamesAFolder(bin_argument)) {
    bin_path = BinBeside(AsFolder(bin_argument), cue_path);
  }
  const std::string exists_already =
      cue_path + " exists already; bin2ISO never overwrites a CUE sheet";
  if (FileExists(cue_path)) {
    report.Error(exists_already);
    return kExitBadInput;
  }
  File bin;
  uint64_t size = 0;
  if (!bin.OpenForReading(bin_path)) {
    report.Error(WithReason("cannot open " + bin_path, SystemErrorText()));
    return kExitBadInput;
  }
  if (!bin.Size(&size)) {
    report.Error(WithReason("cannot read " + bin_path, SystemErrorText()));
    return kExitIoFailure;
  }
  FileSource source(bin);
  BinLayout layout;
  std::string problem;
  if (!DetectBinLayout(source, size, &layout, &problem)) {
    report.Error(bin_path + ": " + problem);
    return kExitBadInput;
  }
  for (const std::string& warning : layout.warnings) report.Warning(bin_path + ": " + warning);

  // Beside the sheet, the BIN is named without its folder, as rips do.
  bool same_folder = FolderOf(bin_path) == FolderOf(cue_path);
  std::string name = same_folder ? NameOf(bin_path) : bin_path;
  std::string text = CueSheetFor(name, layout);

  File cue;
  std::string temp, reason;
  if (!CreateTempFor(cue, cue_path, &temp, &reason)) {
    report.Error(WithReason("cannot create " + cue_path, reason));
    return kExitIoFailure;
  }
  if (!cue.Write(text.data(), text.size()) || !cue.Close()) {
    report.Error(WithReason("cannot write " + cue_path, SystemErrorText()));
    cue.Close();
    RemoveFile(temp);
    return kExitIoFailure;
  }
  if (!RenameNoReplace(temp, cue_path)) {
    std::string why = SystemErrorText();
    bool exists = FileExists(cue_path);
    RemoveFile(temp);
    if (exists) {
      report.Error(exists_already);
      return kExitBadInput;
    }
    report.Error(WithReason("cannot put " + cue_path + " in place", why));
    return kExitIoFailure;
  }
  report.Progress("CUE sheet " + cue_path, 100);
  return kExitOk;
}
