// Text formatting for messages a person reads. Everything returns a
// std::string, so no text can outgrow a buffer.
#pragma once

#include <cstdint>
#include <string>

std::string DecimalText(uint64_t value);

// "<what>: <reason>." with the reason's trailing line break dropped and a
// full stop added unless it has one.
std::string WithReason(const std::string& what, const std::string& reason);
