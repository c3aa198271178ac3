#include "records/class_setup_file.h"

#include <charconv>

namespace crossmere {
namespace {

// Reads digits up to the next '/', moving past it.
bool ReadNumberField(std::string_view& rest, std::int32_t& value) {
  const std::size_t slash = rest.find('/');
  if (slash == std::string_view::npos || slash == 0) return false;
  const std::string_view digits = rest.substr(0, slash);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < 0) return false;
  rest.remove_prefix(slash + 1);
  return true;
}

}  // namespace

std::variant<std::vector<OverrideRecord>, std::string> ParseClassSetUpFile(std::string_view text) {
  std::vector<OverrideRecord> records;
  // An editor may have put a byte-order mark in front.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    // Carriage returns at a line's end come from other systems' line ends, never from a text.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || (line[0] != 'S' && line[0] != 'T')) continue;
    OverrideRecord record;
    record.used = line[0] == 'S';
    std::string_view rest = line.substr(1);
    // Only the set-up's own lists can be overridden; anything else is not ours.
    if (!ReadNumberField(rest, record.list) || !ReadNumberField(rest, record.index) ||
        !StringLists::IsOverridable(record.list)) {
      continue;
    }
    record.text = CutText(rest, StringLists::kMaxTextLength);
    while (!record.text.empty() && record.text.back() == '\r') record.text.pop_back();
    records.push_back(std::move(record));
    if (records.size() > StringLists::kMaxOverrides) {
      return std::string("it holds more than ") + std::to_string(StringLists::kMaxOverrides) + " settings";
    }
  }
  return records;
}

std::string ClassSetUpFileText(const std::vector<OverrideRecord>& records) {
  std::string text;
  for (const OverrideRecord& record : records) {
    text += record.used ? 'S' : 'T';
    text += std::to_string(record.list) + '/' + std::to_string(record.index) + '/' + record.text + '\n';
  }
  return text;
}

}  // namespace crossmere
