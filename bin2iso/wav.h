// The RIFF header of a WAV file of CD audio: PCM, 44,100 Hz, 16-bit, stereo.
#pragma once

#include <cstdint>
#include <string>

inline std::string WavHeader(uint32_t data_bytes) {
  std::string header;
  auto word = [&header](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) header += static_cast<char>(value >> (8 * i));
  };
  header += "RIFF";
  word(36 + data_bytes, 4);
  header += "WAVEfmt ";
  word(16, 4);         // size of the format chunk
  word(1, 2);          // PCM
  word(2, 2);          // channels
  word(44100, 4);      // samples a second
  word(44100 * 4, 4);  // bytes a second
  word(4, 2);          // bytes a sample frame
  word(16, 2);         // bits a sample
  header += "data";
  word(data_bytes, 4);
  return header;
}
