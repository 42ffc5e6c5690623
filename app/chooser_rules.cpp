#include "app/chooser_rules.h"

#include "convert/command_line.h"

const char* FilterForMode(int mode) {
  switch (mode) {
    case ModeNrgToIso:
      return "NERO NRG|*.nrg";
    case ModeBinToIso:
      return "CUEFILE|*.cue";
    case ModeCueFromBin:
      return "BIN|*.bin";
  }
  return nullptr;
}

std::string InitialFolderFor(const std::string& target) {
  std::string folder = target;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (!folder.empty() && folder.back() == ':') {
    return target.back() == '\\' ? target : target + '\\';
  }
  return folder;
}
