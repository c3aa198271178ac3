#include "records/class_setup.h"

#include <cstdlib>

#include "layer/latin1.h"
#include "layer/number_text.h"

namespace crossmere {
namespace {

constexpr std::int32_t kRebuildSeedOffset = 4715382;
constexpr std::int32_t kCheckSeedOffset = 5830264;
constexpr std::size_t kSlotFlagCount = ExerciseOptions::kLastItem - ExerciseOptions::kFirstItem + 1;
constexpr std::size_t kShortestSlotText = 25;
constexpr std::int32_t kNoPasswordValue = 0;
constexpr std::string_view kNoSpaceMessage = "Sorry.  Insufficient space to add more resources";

// 32-bit arithmetic that wraps around instead of overflowing.
std::int32_t Wrap(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

std::int32_t ThreeTimesPlus(std::int32_t h, std::int32_t c) {
  return Wrap(3 * static_cast<std::int64_t>(static_cast<std::uint32_t>(h)) + c);
}

bool Store(StringLists& strings, std::int32_t list, std::int32_t index, std::string_view text) {
  return strings.ListStringStore(list, index, true, text) != StoreResult::OutOfSpace;
}

std::vector<std::string> NoSpace() { return {std::string(kNoSpaceMessage)}; }

}  // namespace

std::int32_t PasswordCheckValue(const std::vector<std::uint8_t>& allCodes, bool rebuildTable, PasswordTable& table,
                                RandomGenerator& random) {
  const std::size_t n = std::min(allCodes.size(), kMaxPasswordLength);
  const std::vector<std::uint8_t> codes(allCodes.begin(), allCodes.begin() + static_cast<std::ptrdiff_t>(n));
  if (rebuildTable) {
    std::int32_t h = 17;
    for (const std::uint8_t c : codes) h = ThreeTimesPlus(h, c);
    random.RandomSeed(Wrap(static_cast<std::int64_t>(h) + kRebuildSeedOffset));
    table.entries.fill(0);
    for (std::int32_t v = 1; v <= 256; ++v) {
      std::int32_t r = 0;
      do {
        r = std::abs(random.Random15()) % 256 + 1;
      } while (table.entries[static_cast<std::size_t>(r)] != 0);
      table.entries[static_cast<std::size_t>(r)] = v;
    }
  }
  const auto entry = [&table](std::uint8_t c) { return table.entries[static_cast<std::size_t>(c)]; };
  std::int32_t g = 17;
  for (const std::uint8_t c : codes) g = ThreeTimesPlus(g, entry(c));
  random.RandomSeed(Wrap(static_cast<std::int64_t>(g) + kCheckSeedOffset));
  std::int32_t f = 6;
  for (auto c = codes.rbegin(); c != codes.rend(); ++c) f = ThreeTimesPlus(f, entry(*c));
  for (std::size_t i = 0; i < n; ++i) random.Random15();
  const std::int32_t d = random.Random15();
  return Wrap(static_cast<std::int64_t>(std::abs(d)) + f);
}

std::optional<std::vector<std::uint8_t>> LatinOneCodes(std::string_view text) {
  std::vector<std::uint8_t> codes;
  for (const std::int32_t code : Latin1Codes(text)) {
    if (code == kNotLatin1) return std::nullopt;
    codes.push_back(static_cast<std::uint8_t>(code));
  }
  return codes;
}

std::int32_t SetUpCheckNumber(const StringLists& strings) {
  using namespace setup_list;
  std::int32_t b = ParseWholeNumber(strings.ListString(kSettings, kPasswordItem)).value_or(0) % 4096;
  // The options text is ours, so it is Latin-1; any other byte counts as itself.
  const std::string options = strings.ListString(kSettings, kOptionsItem);
  const auto codes = LatinOneCodes(options);
  if (codes) {
    for (const std::uint8_t c : *codes) b = Wrap(static_cast<std::int64_t>(b) + c);
  } else {
    for (const char c : options) b = Wrap(static_cast<std::int64_t>(b) + static_cast<unsigned char>(c));
  }
  std::int32_t sum = 0;
  for (std::int32_t k = 1; k <= kSlotCount; ++k) {
    const std::string flags = strings.ListString(kSlotFlags, k);
    std::int32_t s = 0;
    for (std::size_t i = 0; i < flags.size(); ++i) {
      if (flags[i] == '1') s = Wrap(static_cast<std::int64_t>(s) + 3 * static_cast<std::int64_t>(i + 1));
    }
    const std::int32_t t = Wrap(static_cast<std::int64_t>(Wrap(static_cast<std::int64_t>(b) - s)) *
                                Wrap(static_cast<std::int64_t>(b) - 2 - s)) % 65536;
    sum = Wrap(static_cast<std::int64_t>(sum) + t);
  }
  return sum;
}

bool ClassSettingsIntact(const StringLists& strings) {
  const auto stored = ParseWholeNumber(strings.ListString(setup_list::kSettings, setup_list::kCheckNumberItem));
  return stored && *stored == SetUpCheckNumber(strings);
}

std::string SlotFlagsText(const ExerciseOptions& options) {
  std::string text;
  for (const std::uint8_t flag : options.flags) text += flag != 0 ? '1' : '0';
  return text;
}

std::optional<ExerciseOptions> ParseSlotFlags(std::string_view text) {
  if (text.size() < kShortestSlotText) return std::nullopt;
  ExerciseOptions options;
  for (std::size_t i = 0; i < kSlotFlagCount && i < text.size(); ++i) options.flags[i] = text[i] == '1' ? 1 : 0;
  return options;
}

std::vector<ExerciseSlot> LoadClassSlots(const StringLists& strings) {
  using namespace setup_list;
  std::vector<ExerciseSlot> slots;
  for (std::int32_t k = 1; k <= kSlotCount; ++k) {
    const auto options = ParseSlotFlags(strings.ListString(kSlotFlags, k));
    if (!options) continue;
    ExerciseSlot slot;
    slot.options = *options;
    slot.catalogue = ParseWholeNumber(strings.ListString(kCatalogueNumbers, k)).value_or(0);
    slot.title = strings.ListString(kSlotTitles, k);
    slots.push_back(std::move(slot));
  }
  return slots;
}

ClassSetUp LoadClassSetUp(const StringLists& strings) {
  ClassSetUp setUp;
  setUp.options = LoadClassOptions(strings);
  std::int32_t k = 0;
  for (auto& slot : LoadClassSlots(strings)) setUp.exercises[static_cast<std::size_t>(++k)] = std::move(slot);
  return setUp;
}

ClassOptions FreshClassOptions(bool wholeSet, bool elementary) {
  ClassOptions options;
  options.SetItem(81, true);
  options.SetItem(84, true);
  options.SetItem(wholeSet ? 43 : 44, true);
  options.SetItem(elementary ? 45 : 46, true);
  return options;
}

bool NoPasswordSet(const StringLists& strings) {
  return ParseWholeNumber(strings.ListString(setup_list::kSettings, setup_list::kPasswordItem)).value_or(0) ==
         kNoPasswordValue;
}

void ClearClassSlots(StringLists& strings) {
  using namespace setup_list;
  for (const OverrideRecord& record : std::vector<OverrideRecord>(strings.Overrides())) {
    const bool slotList = record.list == kCatalogueNumbers || record.list == kSlotTitles || record.list == kSlotFlags;
    const bool parameters = record.list >= kFirstParameters && record.list < kFirstParameters + kSlotCount;
    if (record.used && (parameters || (slotList && record.index <= kSlotCount))) {
      strings.ListStringStore(record.list, record.index, true, "");
    }
  }
}

std::optional<std::vector<std::string>> StoreClassSetUp(StringLists& strings, const ClassSetUp& setUp) {
  using namespace setup_list;
  std::vector<std::int32_t> used;
  for (std::int32_t k = 1; k <= kSlotCount; ++k) {
    if (setUp.exercises[static_cast<std::size_t>(k)].UsesLoci()) used.push_back(k);
  }
  if (used.empty() && !setUp.options.WholeSet()) return std::vector<std::string>{"No exercises set up", "Please repeat set up"};

  // A slot moving forward takes its parameter list along.
  std::array<std::vector<std::pair<std::int32_t, std::string>>, kSlotCount + 1> parameters;
  for (const OverrideRecord& record : strings.Overrides()) {
    const std::int32_t slot = record.list - kFirstParameters + 1;
    if (record.used && slot >= 1 && slot <= kSlotCount) parameters[static_cast<std::size_t>(slot)].emplace_back(record.index, record.text);
  }
  bool stored = Store(strings, kSettings, kOptionsItem, OptionsText(setUp.options));
  for (std::int32_t k = 1; k <= kSlotCount; ++k) {
    const std::int32_t parameterList = kFirstParameters + k - 1;
    for (const auto& [index, text] : parameters[static_cast<std::size_t>(k)]) {
      stored = stored && Store(strings, parameterList, index, "");
    }
    if (k > static_cast<std::int32_t>(used.size())) {
      for (const std::int32_t list : {kCatalogueNumbers, kSlotTitles, kSlotFlags}) stored = stored && Store(strings, list, k, "");
      continue;
    }
    const std::int32_t from = used[static_cast<std::size_t>(k - 1)];
    const ExerciseSlot& slot = setUp.exercises[static_cast<std::size_t>(from)];
    stored = stored && Store(strings, kCatalogueNumbers, k, slot.catalogue > 0 ? std::to_string(slot.catalogue) : "");
    stored = stored && Store(strings, kSlotTitles, k, slot.title);
    stored = stored && Store(strings, kSlotFlags, k, SlotFlagsText(slot.options));
    for (const auto& [index, text] : parameters[static_cast<std::size_t>(from)]) {
      stored = stored && Store(strings, parameterList, index, text);
    }
  }
  stored = stored && Store(strings, kSettings, kCheckNumberItem, std::to_string(SetUpCheckNumber(strings)));
  if (!stored) return NoSpace();
  return std::nullopt;
}

std::optional<std::vector<std::string>> StorePassword(StringLists& strings, std::int32_t passwordValue) {
  using namespace setup_list;
  const bool stored = Store(strings, kSettings, kPasswordItem, std::to_string(passwordValue)) &&
                      Store(strings, kSettings, kCheckNumberItem, std::to_string(SetUpCheckNumber(strings)));
  if (!stored) return NoSpace();
  return std::nullopt;
}

}  // namespace crossmere
