#include "bin2iso/cue_sheet.h"

#include "common/text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && (IsBlank(text[begin]) || text[begin] == '\r')) ++begin;
  while (end > begin && (IsBlank(text[end - 1]) || text[end - 1] == '\r')) --end;
  return text.substr(begin, end - begin);
}

// The words of a line; a quoted word may hold blanks.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    std::string word;
    if (line[i] == '"') {
      size_t close = line.find('"', i + 1);
      if (close == std::string::npos) close = line.size();
      word = line.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      while (i < line.size() && !IsBlank(line[i])) word += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

// The first words of a cdrdao TOC file, which some rips name .cue.
bool LooksLikeToc(const std::vector<std::string>& first_words) {
  static const char* const kTocWords[] = {"CD_DA",    "CD_ROM",    "CD_ROM_XA", "CD_I",
                                          "DATAFILE", "AUDIOFILE", "SILENCE",   "CD_TEXT"};
  for (const std::string& word : first_words) {
    if (word.rfind("//", 0) == 0) return true;
    for (const char* toc : kTocWords) {
      if (UpperCase(word) == toc) return true;
    }
  }
  return false;
}

class Parser {
 public:
  Parser(CueSheet* sheet, CueError* error) : sheet_(sheet), error_(error) {}

  bool Line(int number, const std::string& text) {
    line_ = number;
    std::vector<std::string> words = Words(text);
    if (words.empty()) return true;
    std::string command = UpperCase(words[0]);
    if (command == "FILE") return File(text, words);
    if (command == "TRACK") return Track(words);
    if (command == "INDEX") return Index(words);
    if (command == "PREGAP" || command == "POSTGAP") return Gap(words);
    static const char* const kIgnored[] = {"REM",   "CATALOG",   "ISRC",       "FLAGS",
                                           "TITLE", "PERFORMER", "SONGWRITER", "CDTEXTFILE"};
    for (const char* ignored : kIgnored) {
      if (command == ignored) return true;
    }
    return Fail("unknown command '" + words[0] + "'");
  }

  bool Finish() {
    line_ = 0;
    if (sheet_->files.empty()) return Fail("no FILE entry");
    for (const CueFile& file : sheet_->files) {
      if (file.tracks.empty()) {
        line_ = file.line;
        return Fail("FILE '" + file.name + "' has no TRACK");
      }
      for (const CueTrack& track : file.tracks) {
        if (track.index1 < 0) {
          line_ = track.line;
          return Fail("track " + DecimalText(static_cast<uint64_t>(track.number)) +
                      " has no INDEX 01");
        }
      }
    }
    return true;
  }

 private:
  bool Fail(const std::string& message) {
    error_->line = line_;
    error_->message = message;
    return false;
  }

  bool File(const std::string& text, const std::vector<std::string>& words) {
    if (words.size() < 3) return Fail("FILE needs a name and a type");
    CueFile file;
    file.line = line_;
    std::string type = UpperCase(words.back());
    if (type == "MOTOROLA") {
      file.big_endian = true;
    } else if (type != "BINARY") {
      return Fail("unsupported file type '" + words.back() + "' (BINARY and MOTOROLA are read)");
    }
    // A bare name may hold blanks: it is everything between FILE and the type.
    std::string rest = Trim(text);
    rest = Trim(rest.substr(4, rest.size() - 4 - words.back().size()));
    file.name = rest.size() >= 2 && rest.front() == '"' && rest.back() == '"'
                    ? rest.substr(1, rest.size() - 2)
                    : rest;
    if (file.name.empty()) return Fail("FILE needs a name");
    sheet_->files.push_back(file);
    return true;
  }

  bool Track(const std::vector<std::string>& words) {
    if (sheet_->files.empty()) return Fail("TRACK before any FILE");
    if (words.size() != 3) return Fail("TRACK needs a number and a mode");
    CueTrack track;
    track.line = line_;
    if (!Number(words[1], &track.number) || track.number < 1 || track.number > 99) {
      return Fail("bad track number '" + words[1] + "'");
    }
    if (track.number <= last_track_) return Fail("track numbers must go up");
    if (!ParseTrackMode(words[2], &track.mode)) {
      return Fail("unknown track mode '" + words[2] + "'");
    }
    last_track_ = track.number;
    sheet_->files.back().tracks.push_back(track);
    return true;
  }

  bool Index(const std::vector<std::string>& words) {
    if (sheet_->files.empty() || sheet_->files.back().tracks.empty()) {
      return Fail("INDEX outside a TRACK");
    }
    int number = 0;
    uint64_t frames = 0;
    if (words.size() != 3 || !Number(words[1], &number) || number > 99) {
      return Fail("INDEX needs a number and a time mm:ss:ff");
    }
    if (!ParseMsf(words[2], &frames)) return Fail("bad time '" + words[2] + "'");
    CueFile& file = sheet_->files.back();
    CueTrack& track = file.tracks.back();
    auto at = static_cast<int64_t>(frames);
    if (number == 0) {
      if (track.index0 >= 0 || track.index1 >= 0) return Fail("INDEX 00 must come first");
      track.index0 = at;
    } else if (number == 1) {
      if (track.index1 >= 0) return Fail("a second INDEX 01");
      if (at < track.index0) return Fail("INDEX 01 before INDEX 00");
      track.index1 = at;
    }
    if (file.tracks.size() >= 2 && number <= 1) {
      const CueTrack& previous = file.tracks[file.tracks.size() - 2];
      if (at < previous.index1) return Fail("track starts before the track before it");
    }
    return true;
  }

  bool Gap(const std::vector<std::string>& words) {
    uint64_t frames;
    if (sheet_->files.empty() || sheet_->files.back().tracks.empty()) {
      return Fail(words[0] + " outside a TRACK");
    }
    if (words.size() != 2 || !ParseMsf(words[1], &frames)) {
      return Fail(words[0] + " needs a time mm:ss:ff");
    }
    return true;
  }

  static bool Number(const std::string& text, int* value) {
    if (text.empty() || text.size() > 3) return false;
    *value = 0;
    for (char c : text) {
      if (c < '0' || c > '9') return false;
      *value = *value * 10 + (c - '0');
    }
    return true;
  }

  CueSheet* sheet_;
  CueError* error_;
  int line_ = 0;
  int last_track_ = 0;
};

}  // namespace

bool ParseCueSheet(const std::string& text, CueSheet* sheet, CueError* error) {
  *sheet = CueSheet();
  size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  std::vector<std::string> lines;
  std::vector<std::string> first_words;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    std::vector<std::string> words = Words(Trim(lines.back()));
    if (!words.empty()) first_words.push_back(words[0]);
    start = end + 1;
  }
  if (LooksLikeToc(first_words)) {
    error->line = 0;
    error->message = "this is a cdrdao TOC file, not a CUE sheet";
    return false;
  }
  Parser parser(sheet, error);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!parser.Line(static_cast<int>(i + 1), Trim(lines[i]))) return false;
  }
  return parser.Finish();
}

std::string CueErrorText(const std::string& cue_name, const CueError& error) {
  std::string where = cue_name;
  if (error.line > 0) where += " line " + DecimalText(static_cast<uint64_t>(error.line));
  return where + ": " + error.message;
}
