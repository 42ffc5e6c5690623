#include <utility>
#include <memory>
#include <new>
#include <vector>

#include "bin2iso/cue_sheet.h"
#include "bin2iso/names.h"
#include "bin2iso/tool.h"
#include "bin2iso/wav.h"
#include "common/path.h"
#include "common/text.h"

namespace {

// CUE sheets are small; a larger file is surely something else.
const uint64_t kLargestCueSheet = 16 * 1048576;
// Sectors read at a time: about a megabyte, a whole number of sectors.
const uint64_t kSectorsPerBlock = 448;

bool IsFile(const std::string& path) { return FileExists(path) && !IsFolder(path); }

bool ReadWholeFile(File& file, const std::string& path, std::string* text, Reporter& report) {
  uint64_t size = 0;
  if (!file.Size(&size)) {
    report.Error(WithReason("cannot read " + path, SystemErrorText()));
    return false;
  }
  if (size > kLargestCueSheet) {
    report.Error(path + " is " + DecimalText(size) + " bytes long, too large for a CUE sheet");
    return false;
  }
  text->assign(static_cast<size_t>(size), '\0');
  size_t delivered = 0;
  if (size != 0 && (!file.ReadAt(0, &(*text)[0], text->size(), &delivered) || delivered != size)) {
    report.Error(WithReason("cannot read " + path, SystemErrorText()));
    return false;
  }
  return true;
}

struct Job {
  int number;
  int line;  // of its TRACK entry
  TrackMode mode;
  size_t file;      // index into the sheet's files
  uint64_t offset;  // of the first sector in its BIN
  uint64_t sectors;
  std::string output;
};

class Conversion {
 public:
  Conversion(const std::string& cue_path, const std::string& output_folder, Reporter& report)
      : cue_path_(cue_path),
        cue_folder_(FolderOf(cue_path)),
        output_folder_(output_folder.empty() ? FolderOf(cue_path) : AsFolder(output_folder)),
        output_base_(ReplaceExtension(NameOf(cue_path), "")),
        report_(report) {}

  int Run() {
    int status = ReadSheet();
    if (status == kExitOk) status = OpenFiles();
    if (status == kExitOk) status = PlanJobs();
    if (status == kExitOk) status = RefuseOverwritingInputs();
    if (status != kExitOk) return status;
    // A track that cannot be converted does not stop the others; a failing
    // read, write or rename stops everything.
    for (const Job& job : jobs_) {
      int written = Write(job);
      if (written == kExitIoFailure) return written;
      if (written != kExitOk) status = written;
    }
    return status;
  }

 private:
  std::string Where(int line) const {
    return cue_path_ + " line " + DecimalText(static_cast<uint64_t>(line));
  }

  int ReadSheet() {
    if (!cue_.OpenForReading(cue_path_)) {
      report_.Error(WithReason("cannot open " + cue_path_, SystemErrorText()));
      return kExitBadInput;
    }
    std::string text;
    if (!ReadWholeFile(cue_, cue_path_, &text, report_)) return kExitBadInput;
    CueError error;
    if (!ParseCueSheet(text, &sheet_, &error)) {
      report_.Error(CueErrorText(cue_path_, error));
      return kExitBadInput;
    }
    if (!output_folder_.empty() && !IsFolder(output_folder_)) {
      report_.Error("the output folder " + output_folder_ + " does not exist");
      return kExitBadInput;
    }
    return kExitOk;
  }

  // The BIN a FILE entry names: as written, relative to the sheet's folder;
  // else that name without regard to case; else its bare name beside the
  // sheet. Each fallback is said.
  std::string Resolve(const CueFile& entry) {
    std::string name = entry.name;
    for (char& c : name) c = c == '\\' || c == '/' ? kPathSeparator : c;
    std::string path = IsAbsolutePath(name) ? name : cue_folder_ + name;
    if (IsFile(path)) return path;
    std::string folder = FolderOf(path);
    std::string bare = NameOf(path);
    std::vector<std::string> candidates;
    std::string match = MatchWithoutCase(folder, bare);
    if (!match.empty()) candidates.push_back(folder + match);
    if (folder != cue_folder_) {
      candidates.push_back(cue_folder_ + bare);
      match = MatchWithoutCase(cue_folder_, bare);
      if (!match.empty()) candidates.push_back(cue_folder_ + match);
    }
    for (const std::string& candidate : candidates) {
      if (IsFile(candidate)) {
        report_.Warning(Where(entry.line) + ": " + entry.name + " not found; using " + candidate);
        return candidate;
      }
    }
    return "";
  }

  int OpenFiles() {
    bins_.reset(new File[sheet_.files.size()]);
    sizes_.resize(sheet_.files.size());
    for (size_t i = 0; i < sheet_.files.size(); ++i) {
      const CueFile& entry = sheet_.files[i];
      std::string path = Resolve(entry);
      if (path.empty()) {
        report_.Error(Where(entry.line) + ": cannot find " + entry.name);
        return kExitBadInput;
      }
      bin_paths_.push_back(path);
      if (!bins_[i].OpenForReading(path) || !bins_[i].Size(&sizes_[i])) {
        report_.Error(WithReason("cannot open " + path, SystemErrorText()));
        return kExitIoFailure;
      }
    }
    return kExitOk;
  }

  std::string OutputName(int number, TrackMode mode, size_t tracks) const {
    std::string base = output_base_;
    if (tracks > 1) base += "-" + PaddedDecimal(static_cast<uint64_t>(number), 2);
    return output_folder_ + base + (FormatOf(mode).audio ? ".wav" : ".iso");
  }

  // Where each track's sectors lie: from its INDEX 01 to the next track's
  // first index in the same file, or to the end of the file.
  int PlanJobs() {
    size_t tracks = 0;
    for (const CueFile& entry : sheet_.files) tracks += entry.tracks.size();
    for (size_t f = 0; f < sheet_.files.size(); ++f) {
      const CueFile& entry = sheet_.files[f];
      const uint64_t file_size = sizes_[f];
      // Byte offset of each track's first index: sectors before it have the
      // sizes of the tracks they belong to.
      std::vector<uint64_t> starts;
      uint64_t start = 0;
      int64_t start_frame = 0;
      uint32_t size = FormatOf(entry.tracks[0].mode).size;
      for (const CueTrack& track : entry.tracks) {
        start += static_cast<uint64_t>(track.FirstIndex() - start_frame) * size;
        start_frame = track.FirstIndex();
        size = FormatOf(track.mode).size;
        starts.push_back(start);
      }
      for (size_t t = 0; t < entry.tracks.size(); ++t) {
        const CueTrack& track = entry.tracks[t];
        const uint32_t sector = FormatOf(track.mode).size;
        uint64_t offset =
            starts[t] + static_cast<uint64_t>(track.index1 - track.FirstIndex()) * sector;
        bool last = t + 1 == entry.tracks.size();
        uint64_t end = last ? file_size : starts[t + 1];
        if (end > file_size || offset > file_size) {
          uint64_t needed = end > offset ? end : offset;
          report_.Error(bin_paths_[f] + " is shorter than " + cue_path_ + " says: track " +
                        PaddedDecimal(static_cast<uint64_t>(track.number), 2) + " lacks " +
                        DecimalText((needed - file_size + sector - 1) / sector) + " sectors");
          return kExitBadInput;
        }
        if (last && (end - offset) % sector != 0) {
          report_.Warning(bin_paths_[f] + " ends in a part of a sector; its last " +
                          DecimalText((end - offset) % sector) + " bytes are left out");
        }
        jobs_.push_back(Job{track.number, track.line, track.mode, f, offset,
                            (end - offset) / sector, OutputName(track.number, track.mode, tracks)});
      }
    }
    return kExitOk;
  }

  int RefuseOverwritingInputs() {
    std::vector<std::pair<File*, std::string>> inputs = {{&cue_, cue_path_}};
    for (size_t i = 0; i < bin_paths_.size(); ++i) inputs.push_back({&bins_[i], bin_paths_[i]});
    for (const Job& job : jobs_) {
      for (auto& [file, path] : inputs) {
        bool same = false;
        if (!file->IsSameFile(job.output, &same)) {
          report_.Error(WithReason("cannot look at " + job.output, SystemErrorText()));
          return kExitIoFailure;
        }
        if (same) {
          report_.Error("the output " + job.output + " would be the input " + path +
                        "; nothing was written");
          return kExitBadInput;
        }
      }
    }
    return kExitOk;
  }

  int Write(const Job& job) {
    const SectorFormat& format = FormatOf(job.mode);
    const std::string label = "track " + PaddedDecimal(static_cast<uint64_t>(job.number), 2) +
                              " (" + format.name + ") -> " + job.output;
    if (format.audio && job.sectors * kRawSectorSize > 0xFFFFFFFFu - 36) {
      report_.Error(label + ": too long for a WAV file");
      return kExitBadInput;
    }
    File out;
    std::string temp, reason;
    if (!CreateTempFor(out, job.output, &temp, &reason)) {
      report_.Error(WithReason("cannot create " + job.output, reason));
      return kExitIoFailure;
    }
    uint64_t form2 = 0;
    int status = Copy(job, out, label, &form2);
    if (status == kExitOk && !out.Close()) {
      report_.Error(WithReason("cannot write " + job.output, SystemErrorText()));
      status = kExitIoFailure;
    }
    if (status == kExitOk && form2 != 0) {
      report_.Error(Where(job.line) + ": track " +
                    PaddedDecimal(static_cast<uint64_t>(job.number), 2) + " has " +
                    DecimalText(form2) + " of its " + DecimalText(job.sectors) +
                    " sectors in Mode 2 Form 2 (2324 bytes each), which an ISO image cannot "
                    "hold; the track was not converted");
      status = kExitBadInput;
    }
    if (status == kExitOk && !RenameReplacing(temp, job.output)) {
      report_.Error(WithReason("cannot put " + job.output + " in place", SystemErrorText()));
      status = kExitIoFailure;
    }
    if (status != kExitOk) {
      out.Close();
      RemoveFile(temp);
      return status;
    }
    if (!format.audio) CheckIso(job.output);
    return kExitOk;
  }

  int Copy(const Job& job, File& out, const std::string& label, uint64_t* form2) {
    const SectorFormat& format = FormatOf(job.mode);
    const bool swap = format.audio && sheet_.files[job.file].big_endian;
    std::unique_ptr<unsigned char[]> in_block(
        new (std::nothrow) unsigned char[kSectorsPerBlock * format.size]);
    std::unique_ptr<unsigned char[]> out_block(
        new (std::nothrow) unsigned char[kSectorsPerBlock * kUserDataSize]);
    if (!in_block || !out_block) {
      report_.Error(label + ": not enough memory");
      return kExitIoFailure;
    }
    if (format.audio) {
      std::string header = WavHeader(static_cast<uint32_t>(job.sectors * kRawSectorSize));
      if (!out.Write(header.data(), header.size())) {
        report_.Error(WithReason("cannot write " + job.output, SystemErrorText()));
        return kExitIoFailure;
      }
    }
    File& bin = bins_[job.file];
    int shown = -1;
    for (uint64_t done = 0; done < job.sectors;) {
      uint64_t count =
          job.sectors - done < kSectorsPerBlock ? job.sectors - done : kSectorsPerBlock;
      size_t bytes = static_cast<size_t>(count * format.size), delivered = 0;
      if (!bin.ReadAt(job.offset + done * format.size, in_block.get(), bytes, &delivered) ||
          delivered != bytes) {
        std::string why = delivered != bytes ? "it ended early" : SystemErrorText();
        report_.Error(WithReason("cannot read " + bin_paths_[job.file], why));
        return kExitIoFailure;
      }
      bool written;
      if (swap) {
        unsigned char* samples = in_block.get();
        for (size_t i = 0; i + 1 < bytes; i += 2) std::swap(samples[i], samples[i + 1]);
      }
      if (format.audio || format.size == kUserDataSize) {
        written = out.Write(in_block.get(), bytes);
      } else {
        const unsigned char* sector = in_block.get();
        for (uint64_t s = 0; s < count; ++s) {
          if (IsForm2(format, sector + s * format.size)) ++*form2;
        }
        written = out.WritePieces(sector + format.data_offset, kUserDataSize, format.size,
                                  static_cast<size_t>(count), out_block.get());
      }
      if (!written) {
        report_.Error(WithReason("cannot write " + job.output, SystemErrorText()));
        return kExitIoFailure;
      }
      done += count;
      int percent = static_cast<int>(done * 100 / job.sectors);
      if (percent != shown) report_.Progress(label, shown = percent);
    }
    if (job.sectors == 0) report_.Progress(label, 100);
    return kExitOk;
  }

  void CheckIso(const std::string& path) {
    File iso;
    uint64_t size = 0;
    if (!iso.OpenForReading(path) || !iso.Size(&size)) return;
    FileSource source(iso);
    for (const std::string& warning : CheckIsoImage(source, size)) {
      report_.Warning(path + ": " + warning);
    }
  }

  const std::string cue_path_;
  const std::string cue_folder_;
  const std::string output_folder_;
  const std::string output_base_;  // the sheet's name less its extension
  Reporter& report_;
  File cue_;
  CueSheet sheet_;
  std::unique_ptr<File[]> bins_;
  std::vector<std::string> bin_paths_;
  std::vector<uint64_t> sizes_;
  std::vector<Job> jobs_;
};

}  // namespace

int ConvertCueSheet(const std::string& cue_path, const std::string& output_folder,
                    Reporter& report) {
  return Conversion(cue_path, output_folder, report).Run();
}
