#include "records/class_options.h"

#include <vector>

#include "layer/number_text.h"

namespace crossmere {
namespace {

constexpr std::string_view kDefaultDash = "-";
constexpr std::string_view kDefaultY = "Y";
// Items 55..60 have no place in the options text.
constexpr int kFirstGapItem = 55;
constexpr int kLastGapItem = 60;
constexpr std::size_t kFlagCharacters = 37;

// The text split into whole UTF-8 characters, so that a symbol typed with an
// accent stays one character.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      characters.push_back(text.substr(start, i - start));
      start = i;
    }
  }
  return characters;
}

std::string_view SymbolOrDefault(const std::string& symbol, std::string_view fallback) {
  return symbol.empty() ? fallback : std::string_view(symbol);
}

}  // namespace

bool ClassOptions::Item(int item) const {
  if (item < kFirstItem || item > kLastItem) return false;
  return bytes[static_cast<std::size_t>(item - kFirstItem)] != 0;
}

void ClassOptions::SetItem(int item, bool on) {
  if (item < kFirstItem || item > kLastItem) return;
  bytes[static_cast<std::size_t>(item - kFirstItem)] = on ? 1 : 0;
}

Automation ClassOptions::RowChoice(int firstItem) const {
  if (Item(firstItem + 1)) return Automation::Default;
  if (Item(firstItem + 2)) return Automation::All;
  return Automation::None;
}

ClassOptions ParseOptionsText(std::string_view text) {
  ClassOptions options;
  const auto characters = Characters(text);
  int item = ClassOptions::kFirstItem;
  for (std::size_t k = 0; k < kFlagCharacters && k < characters.size(); ++k) {
    if (item == kFirstGapItem) item = kLastGapItem + 1;
    options.SetItem(item++, characters[k] == "1");
  }
  if (characters.size() > kFlagCharacters) options.dashSymbol = characters[kFlagCharacters];
  if (characters.size() > kFlagCharacters + 1) options.ySymbol = characters[kFlagCharacters + 1];
  return options;
}

std::string OptionsText(const ClassOptions& options) {
  std::string text;
  for (int item = ClassOptions::kFirstItem; item <= ClassOptions::kLastItem; ++item) {
    if (item >= kFirstGapItem && item <= kLastGapItem) continue;
    text += options.Item(item) ? '1' : '0';
  }
  text += SymbolOrDefault(options.dashSymbol, kDefaultDash);
  text += SymbolOrDefault(options.ySymbol, kDefaultY);
  return text;
}

ClassOptions LoadClassOptions(const StringLists& strings) {
  return ParseOptionsText(strings.ListString(738, 5));
}

std::int32_t PasswordCheckValueSetting(const StringLists& strings) {
  return ParseWholeNumber(strings.ListString(738, 4)).value_or(0);
}

}  // namespace crossmere
