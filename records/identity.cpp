#include "records/identity.h"

#include <cstdlib>

#include "layer/number_text.h"

namespace crossmere {
namespace {

constexpr std::int32_t kLowestNumber = 1000;
constexpr std::int32_t kHighestNumber = 9999;

std::int32_t Contribution(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if ((c >= '1' && c <= ':') || (c >= 'A' && c <= 'Z')) return c;
  return 0;
}

bool IsStudentNumber(std::optional<std::int32_t> value) {
  return value && *value >= kLowestNumber && *value <= kHighestNumber;
}

// A custom entry screen may restrict names to the class's range of SIDs.
bool WithinSidRange(std::string_view name, const StringLists& strings) {
  const std::string lowText = strings.ListString(200, 2);
  if (lowText.empty()) return true;
  const std::int32_t low = ParseWholeNumber(lowText).value_or(0);
  const std::int32_t high = ParseWholeNumber(strings.ListString(200, 3)).value_or(0);
  const auto value = ParseWholeNumber(name);
  return value && *value >= low && *value <= high;
}

}  // namespace

std::int32_t NameToNumber(std::string_view name) {
  const std::string cut = CutText(name, kMaxNameLength);
  // Unsigned arithmetic gives the 32-bit wrap-around without overflow.
  std::uint32_t h = 29;
  for (const char c : cut) {
    const std::int32_t contribution = Contribution(static_cast<unsigned char>(c));
    if (contribution == 0) continue;
    h = h * 3u + static_cast<std::uint32_t>(contribution);
  }
  // In 64 bits, so that -2^31 has a magnitude too.
  const std::int64_t magnitude = std::abs(static_cast<std::int64_t>(static_cast<std::int32_t>(h)));
  return static_cast<std::int32_t>(magnitude % 9000) + kLowestNumber;
}

std::optional<std::string> AcceptIdentity(StudentIdentity& identity, EntryFields& fields,
                                          const ClassOptions& options,
                                          const StringLists& strings) {
  if (!fields.name.empty() && !fields.number.empty()) {
    fields.name.clear();
    fields.number.clear();
    return "Shouldn't have entry in both name and number";
  }

  StudentIdentity accepted;
  accepted.name = CutText(fields.name, kMaxNameLength);
  fields.name.clear();

  if (options.CustomEntryScreen() && options.ShowName() && !WithinSidRange(accepted.name, strings))
    accepted.name.clear();

  if (IsStudentNumber(ParseWholeNumber(accepted.name))) {
    fields.number = accepted.name;
    accepted.name.clear();
  }

  if (!accepted.name.empty()) {
    accepted.nameGiven = true;
    accepted.number = NameToNumber(accepted.name);
  } else if (const auto number = ParseWholeNumber(fields.number); IsStudentNumber(number)) {
    accepted.numberGiven = true;
    accepted.number = *number;
  } else {
    if (options.CustomEntryScreen()) return strings.ListString(200, 4);
    return "Need a name or valid number";
  }

  accepted.entered = true;
  identity = std::move(accepted);
  return std::nullopt;
}

std::int32_t EntryDialogNumber(const ClassOptions& options) {
  if (options.CustomEntryScreen()) return options.ShowName() ? 413 : 412;
  return options.AllowSaveToDisk() ? 411 : 410;
}

bool ExamplesFixed(const StudentIdentity& identity, const ClassOptions& options,
                   bool trialRunning) {
  if (identity.name == kPlaceholderName || options.RandomStart() || trialRunning) return false;
  // "Show name" matters only on the custom entry screens: there, without it,
  // what the student types is an ID for the class list, not a seed.
  return !options.CustomEntryScreen() || options.ShowName();
}

std::string IdentityLine(const StudentIdentity& identity, std::size_t nameCharacters) {
  const std::string number = std::to_string(identity.number);
  if (identity.name.empty() || identity.name == kPlaceholderName) return number;
  std::string name = CutText(identity.name, nameCharacters);
  if (name.size() < identity.name.size()) name += "\u2026";
  return "\u2068" + name + "\u2069  (" + number + ")";
}

bool ShowsNumberDialog(const StudentIdentity& identity, const ClassOptions& options) {
  return identity.entered && identity.nameGiven && options.ShowNumber();
}

}  // namespace crossmere
