// CUE sheets as rips write them: the FILE, TRACK and INDEX entries that say
// where each track's sectors lie.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bin2iso/sector.h"

struct CueTrack {
  int number = 0;
  TrackMode mode = TrackMode::kAudio;
  int64_t index0 = -1;  // frames from the start of the file, -1 when absent
  int64_t index1 = -1;
  int line = 0;

  // Where the track's sectors begin in its file: its pregap when it has one.
  int64_t FirstIndex() const { return index0 >= 0 ? index0 : index1; }
};

struct CueFile {
  std::string name;         // as written, separators unchanged
  bool big_endian = false;  // MOTOROLA: audio samples most significant byte first
  std::vector<CueTrack> tracks;
  int line = 0;
};

struct CueSheet {
  std::vector<CueFile> files;
};

struct CueError {
  int line = 0;  // 0 when the error is about the whole sheet
  std::string message;
};

// False with `error` set when the text is no CUE sheet we can convert.
bool ParseCueSheet(const std::string& text, CueSheet* sheet, CueError* error);

// "disc.cue line 7: unknown track mode 'MODE3/2352'".
std::string CueErrorText(const std::string& cue_name, const CueError& error);
