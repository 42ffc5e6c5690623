// Text formatting for messages a person reads. Everything returns a
// std::string, so no text can outgrow a buffer.
#pragma once

#include <cstdint>
#include <string>

std::string DecimalText(uint64_t value);
// At least `width` digits, with leading zeros: PaddedDecimal(7, 2) is "07".
std::string PaddedDecimal(uint64_t value, size_t width);

// The text with its ASCII letters in upper case.
std::string UpperCase(std::string text);

// "<what>: <reason>." with the reason's trailing line break dropped and a
// full stop added unless it has one.
std::string WithReason(const std::string& what, const std::string& reason);

// A "display|pattern|..." file filter in the common dialogs' form: each '|'
// ends one string, and an empty string ends the list.
std::string DialogFilterList(const std::string& filter);
