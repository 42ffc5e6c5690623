// NRG to ISO: copies the track data of a Nero image into an ISO file beside
// it. Knows no window: progress goes to a StatusSink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint64_t kNrgDataStart = 307200;
constexpr size_t kNrgFooterSize = 20;
constexpr size_t kTransferBlock = 1048576;

// The end of the track data that the image's last 20 bytes name, or 0 when
// they are neither of the two footer forms ("NER5" first, then "NERO").
uint64_t NrgDataEnd(const unsigned char (&footer)[kNrgFooterSize]);

// Where the copy stops: the footer's end where it names one past the data
// start, else the end of the file. Reads stop at the end of the file anyway.
uint64_t NrgCopyEnd(uint64_t source_size, uint64_t data_end);

// Receives each status text: "Copied N bytes" after every block, then
// "finished." or what went wrong.
class StatusSink {
 public:
  virtual void ShowStatus(const std::string& text) = 0;

 protected:
  ~StatusSink() = default;
};

enum class NrgFailure {
  kNone,
  kNoMemory,
  kOpenSource,
  kIsoIsSource,
  kCreateIso,
  kRead,
  kWrite,
  kRename,
};

struct NrgOutcome {
  NrgFailure failure = NrgFailure::kNone;
  std::string reason;  // the system's words, where it gave any
  std::string iso_path;

  bool Succeeded() const { return failure == NrgFailure::kNone; }
  // "finished.", or a sentence that says what failed and why.
  std::string StatusText() const;
};

NrgOutcome ExtractNrgToIso(const std::string& source_path, StatusSink& status);

struct MainForm;

// The extraction for the window: the source is the source field's text, the
// status line shows the progress. Does nothing while a conversion runs.
NrgOutcome ConvertNrgToIso(MainForm& form);
