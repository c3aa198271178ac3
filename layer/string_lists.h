#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace crossmere {

struct StringEntry {
  std::int32_t list = 0;
  std::int32_t index = 0;
  std::string text;
};

// A class set-up's replacement for one entry of an overridable list.
struct OverrideRecord {
  std::int32_t list = 0;
  std::int32_t index = 0;
  bool used = false;
  bool marked = false;
  std::string text;
};

enum class StoreResult { Stored, Replaced, Ignored, OutOfSpace };

// Parses list files: one entry a line as list<TAB>index<TAB>text; lines that
// begin with '#' and blank lines are skipped. Problems are reported by line.
std::vector<StringEntry> ParseStringEntries(std::string_view data,
                                            std::vector<std::string>* problems);

// Every text of the program by (list id, index). String ids number the stored
// entries 1..N in list order; a gap in a list's indices is simply not stored.
class StringLists {
 public:
  static constexpr std::size_t kMaxTextLength = 255;
  static constexpr std::size_t kMaxOverrides = 200;
  static constexpr std::array<std::int32_t, 16> kOverridableLists = {
      340, 648, 381, 382, 383, 384, 385, 386, 387, 388, 389, 390, 736, 738, 741, 742};

  // The program's own lists, as compiled in.
  StringLists();
  // Entries must be sorted by (list, index) without duplicates.
  explicit StringLists(std::vector<StringEntry> entries);

  std::int32_t StringIdOf(std::int32_t list, std::int32_t index) const;
  std::string ListString(std::int32_t list, std::int32_t index) const;
  // Stores a class set-up's text; refused (OutOfSpace) once 200 records exist.
  StoreResult ListStringStore(std::int32_t list, std::int32_t index, bool marked,
                              std::string_view text);
  // Replaces every override by the records of a set-up file; false (nothing
  // changed) when there are more than 200.
  bool SetOverrides(std::vector<OverrideRecord> records);

  static bool IsOverridable(std::int32_t list);
  std::int32_t StringCount() const { return static_cast<std::int32_t>(texts_.size()) - 1; }
  std::string_view TextOfId(std::int32_t id) const { return texts_.at(id); }
  std::int32_t ListOfString(std::int32_t id) const { return listOfString_.at(id); }
  std::int32_t IndexOfString(std::int32_t id) const { return indexOfString_.at(id); }
  const std::vector<OverrideRecord>& Overrides() const { return overrides_; }

 private:
  // Position 0 is a sentinel so that string ids index the arrays directly.
  std::vector<std::int32_t> listOfString_{0};
  std::vector<std::int32_t> indexOfString_{0};
  std::vector<std::string> texts_{std::string()};
  std::vector<OverrideRecord> overrides_;
};

// Cuts a UTF-8 text to at most max characters without splitting one.
std::string CutText(std::string_view text, std::size_t max);

}  // namespace crossmere
