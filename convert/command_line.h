// What a click of "Convert" runs in each mode, composed as text.
#pragma once

#include <string>

// The index of the selected item of the mode list.
enum ConversionMode { ModeNrgToIso = 0, ModeBinToIso = 1, ModeCueFromBin = 2 };

extern const char kToolProgram[];  // "bin2ISO.exe"

// The argument as the Microsoft C runtime and CommandLineToArgvW will split
// it back: unchanged unless it is empty or holds a space, a tab or a quote.
std::string QuoteArgument(const std::string& argument);

// The tool's parameters for the BIN modes; empty for any other mode.
std::string ToolParameters(int mode, const std::string& source, const std::string& target);

// The program (quoted when it holds a space and no quote), a space, and the
// parameters; no space when either is empty.
std::string ComposeCommandLine(const std::string& program, const std::string& parameters);
