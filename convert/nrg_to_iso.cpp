#include "convert/nrg_to_iso.h"

#include <cstring>
#include <memory>
#include <new>

#include "common/path.h"
#include "common/text.h"
#include "platform/file.h"

namespace {

uint64_t BigEndian(const unsigned char* bytes, int count) {
  uint64_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

bool HasTag(const unsigned char* bytes, const char* tag) { return memcmp(bytes, tag, 4) == 0; }

NrgOutcome Failure(NrgFailure failure, const std::string& iso_path, std::string reason) {
  NrgOutcome outcome;
  outcome.failure = failure;
  outcome.reason = std::move(reason);
  outcome.iso_path = iso_path;
  return outcome;
}

NrgOutcome SystemFailure(NrgFailure failure, const std::string& iso_path) {
  return Failure(failure, iso_path, SystemErrorText());
}

// Copies [kNrgDataStart, end) of the source, or up to its end if shorter.
NrgOutcome CopyTrackData(File& source, File& temp, uint64_t end, StatusSink& status,
                         const std::string& iso_path) {
  std::unique_ptr<char[]> block(new (std::nothrow) char[kTransferBlock]);
  if (!block) return Failure(NrgFailure::kNoMemory, iso_path, "");
  uint64_t position = kNrgDataStart;
  if (position < end && !source.SeekTo(position)) {
    return SystemFailure(NrgFailure::kRead, iso_path);
  }
  while (position < end) {
    uint64_t remaining = end - position;
    size_t count = remaining < kTransferBlock ? static_cast<size_t>(remaining) : kTransferBlock;
    size_t transferred = 0;
    if (!source.Read(block.get(), count, &transferred)) {
      return SystemFailure(NrgFailure::kRead, iso_path);
    }
    if (transferred == 0) break;
    if (!temp.Write(block.get(), transferred)) return SystemFailure(NrgFailure::kWrite, iso_path);
    position += transferred;
    status.ShowStatus("Copied " + DecimalText(position) + " bytes");
  }
  NrgOutcome done;
  done.iso_path = iso_path;
  return done;
}

NrgOutcome ExtractInto(File& source, const std::string& iso_path, StatusSink& status) {
  uint64_t size = 0;
  unsigned char footer[kNrgFooterSize] = {};
  size_t delivered = 0;
  if (!source.Size(&size)) return SystemFailure(NrgFailure::kRead, iso_path);
  if (size >= kNrgFooterSize) {
    if (!source.SeekTo(size - kNrgFooterSize) || !source.Read(footer, sizeof footer, &delivered)) {
      return SystemFailure(NrgFailure::kRead, iso_path);
    }
  }
  uint64_t end = NrgCopyEnd(size, delivered == kNrgFooterSize ? NrgDataEnd(footer) : 0);

  File temp;
  std::string temp_path, reason;
  if (!CreateTempFor(temp, iso_path, &temp_path, &reason)) {
    return Failure(NrgFailure::kCreateIso, iso_path, reason);
  }
  NrgOutcome outcome = CopyTrackData(source, temp, end, status, iso_path);
  if (outcome.Succeeded() && !temp.Close()) outcome = SystemFailure(NrgFailure::kWrite, iso_path);
  source.Close();
  if (outcome.Succeeded() && !RenameReplacing(temp_path, iso_path)) {
    outcome = SystemFailure(NrgFailure::kRename, iso_path);
  }
  if (!outcome.Succeeded()) {
    temp.Close();
    RemoveFile(temp_path);
  }
  return outcome;
}

}  // namespace

uint64_t NrgDataEnd(const unsigned char (&footer)[kNrgFooterSize]) {
  if (HasTag(footer, "END!") && HasTag(footer + 8, "NER5")) return BigEndian(footer + 12, 8);
  if (HasTag(footer + 4, "END!") && HasTag(footer + 12, "NERO")) return BigEndian(footer + 16, 4);
  return 0;
}

uint64_t NrgCopyEnd(uint64_t source_size, uint64_t data_end) {
  // An end inside the header names no track data: it is no footer of ours.
  return data_end >= kNrgDataStart ? data_end : source_size;
}

std::string NrgOutcome::StatusText() const {
  switch (failure) {
    case NrgFailure::kNone:
      return "finished.";
    case NrgFailure::kNoMemory:
      return "Not enough memory to copy the image.";
    case NrgFailure::kOpenSource:
      return WithReason("Cannot open the source image", reason);
    case NrgFailure::kIsoIsSource:
      return "Cannot convert: the ISO file " + iso_path + " would be the source image itself.";
    case NrgFailure::kCreateIso:
      return WithReason("Cannot create the ISO file " + iso_path, reason);
    case NrgFailure::kRead:
      return WithReason("Cannot read the source image", reason);
    case NrgFailure::kWrite:
      return WithReason("Cannot write the ISO file " + iso_path, reason);
    case NrgFailure::kRename:
      return WithReason("Cannot put the ISO file in place as " + iso_path, reason);
  }
  return "";
}

NrgOutcome ExtractNrgToIso(const std::string& source_path, StatusSink& status) {
  std::string iso_path = ReplaceExtension(source_path, ".iso");
  File source;
  NrgOutcome outcome;
  bool same = false;
  if (!source.OpenForReading(source_path)) {
    outcome = SystemFailure(NrgFailure::kOpenSource, iso_path);
  } else if (!source.IsSameFile(iso_path, &same)) {
    outcome = SystemFailure(NrgFailure::kCreateIso, iso_path);
  } else if (same) {
    outcome = Failure(NrgFailure::kIsoIsSource, iso_path, "");
  } else {
    outcome = ExtractInto(source, iso_path, status);
  }
  status.ShowStatus(outcome.StatusText());
  return outcome;
}
