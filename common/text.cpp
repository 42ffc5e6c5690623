#include "common/text.h"

#include <cctype>

std::string DecimalText(uint64_t value) {
  char digits[20];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  std::string text;
  while (count != 0) text += digits[--count];
  return text;
}

std::string PaddedDecimal(uint64_t value, size_t width) {
  std::string text = DecimalText(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string WithReason(const std::string& what, const std::string& reason) {
  std::string text = what + ": " + reason;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  if (text.back() != '.') text += '.';
  return text;
}

std::string DialogFilterList(const std::string& filter) {
  std::string list = filter;
  for (char& c : list) c = c == '|' ? '\0' : c;
  list += '\0';
  list += '\0';
  return list;
}
