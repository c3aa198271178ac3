#include "layer/string_lists.h"

#include <algorithm>
#include <charconv>

#include "layer/string_data.h"

namespace crossmere {
namespace {

bool ParseInt(std::string_view text, std::int32_t& value) {
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace

std::string CutText(std::string_view text, std::size_t max) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) {
      if (characters == max) return std::string(text.substr(0, i));
      ++characters;
    }
  }
  return std::string(text);
}

std::vector<StringEntry> ParseStringEntries(std::string_view data,
                                            std::vector<std::string>* problems) {
  std::vector<StringEntry> entries;
  int lineNumber = 0;
  auto complain = [&](const std::string& what) {
    if (problems) problems->push_back("line " + std::to_string(lineNumber) + ": " + what);
  };
  while (!data.empty()) {
    ++lineNumber;
    const auto newline = data.find('\n');
    std::string_view line = data.substr(0, newline);
    data.remove_prefix(newline == std::string_view::npos ? data.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;

    const auto tab1 = line.find('\t');
    const auto tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    StringEntry entry;
    if (tab2 == std::string_view::npos || !ParseInt(line.substr(0, tab1), entry.list) ||
        !ParseInt(line.substr(tab1 + 1, tab2 - tab1 - 1), entry.index)) {
      complain("expected list<TAB>index<TAB>text");
      continue;
    }
    entry.text = std::string(line.substr(tab2 + 1));
    if (entry.text.find('\t') != std::string::npos) complain("tab inside the text");
    if (CutText(entry.text, StringLists::kMaxTextLength).size() != entry.text.size())
      complain("text longer than 255 characters");
    if (entry.index < 1) complain("index below 1");
    entries.push_back(std::move(entry));
  }
  std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return a.list != b.list ? a.list < b.list : a.index < b.index;
  });
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (entries[i].list == entries[i - 1].list && entries[i].index == entries[i - 1].index && problems)
      problems->push_back("list " + std::to_string(entries[i].list) + " index " +
                          std::to_string(entries[i].index) + " given twice");
  }
  return entries;
}

StringLists::StringLists() : StringLists(ParseStringEntries(StringListData(), nullptr)) {}

StringLists::StringLists(std::vector<StringEntry> entries) {
  listOfString_.reserve(entries.size() + 1);
  indexOfString_.reserve(entries.size() + 1);
  texts_.reserve(entries.size() + 1);
  for (auto& entry : entries) {
    listOfString_.push_back(entry.list);
    indexOfString_.push_back(entry.index);
    texts_.push_back(std::move(entry.text));
  }
}

std::int32_t StringLists::StringIdOf(std::int32_t list, std::int32_t index) const {
  const std::int32_t count = StringCount();
  if (count == 0) return 0;
  // Find any entry of the list, then walk inside the list to the index.
  std::int32_t low = 1;
  std::int32_t high = count;
  std::int32_t p = (low + high) / 2;
  for (int round = 0; round < 101 && low <= high; ++round) {
    p = (low + high) / 2;
    if (listOfString_[p] == list) break;
    if (listOfString_[p] < list) {
      low = p + 1;
    } else {
      high = p - 1;
    }
  }
  if (indexOfString_[p] < index) {
    while (p < count && indexOfString_[p] != index) ++p;
  } else {
    while (p > 0 && indexOfString_[p] != index) --p;
  }
  return listOfString_[p] == list && indexOfString_[p] == index ? p : 0;
}

bool StringLists::IsOverridable(std::int32_t list) {
  return std::find(kOverridableLists.begin(), kOverridableLists.end(), list) !=
         kOverridableLists.end();
}

std::string StringLists::ListString(std::int32_t list, std::int32_t index) const {
  if (IsOverridable(list)) {
    for (const auto& record : overrides_) {
      if (record.used && record.list == list && record.index == index) return record.text;
    }
  }
  return CutText(texts_[StringIdOf(list, index)], kMaxTextLength);
}

StoreResult StringLists::ListStringStore(std::int32_t list, std::int32_t index, bool marked,
                                         std::string_view text) {
  const std::string cut = CutText(text, kMaxTextLength);
  for (auto& record : overrides_) {
    if (record.used && record.list == list && record.index == index) {
      record.text = cut;
      record.marked = marked;
      return StoreResult::Replaced;
    }
  }
  if (cut.empty()) return StoreResult::Ignored;
  OverrideRecord record{list, index, true, marked, cut};
  // A full table refuses the record: overwriting one would silently lose a setting.
  if (overrides_.size() == kMaxOverrides) return StoreResult::OutOfSpace;
  overrides_.push_back(std::move(record));
  return StoreResult::Stored;
}

bool StringLists::SetOverrides(std::vector<OverrideRecord> records) {
  if (records.size() > kMaxOverrides) return false;
  for (auto& record : records) record.text = CutText(record.text, kMaxTextLength);
  overrides_ = std::move(records);
  return true;
}

}  // namespace crossmere
