#include "layer/layout_text.h"

namespace crossmere {

std::string LayoutText(const StringLists& strings, std::int32_t list) {
  const std::string layout = strings.ListString(list, 1);
  std::string text;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    text += strings.ListString(list, static_cast<std::int32_t>(i) + 2);
    const char breaks = layout[i];
    if (breaks == '1') text += '\n';
    if (breaks == '2') text += "\n\n";
  }
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

std::optional<std::string> LayoutProblem(const StringLists& strings, std::int32_t list) {
  const std::string layout = strings.ListString(list, 1);
  if (layout.empty()) return "list " + std::to_string(list) + " has no layout";
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const auto index = static_cast<std::int32_t>(i) + 2;
    if (layout[i] < '0' || layout[i] > '2') {
      return "list " + std::to_string(list) + ": layout digit " + std::to_string(index - 1) + " is not 0, 1 or 2";
    }
    if (strings.StringIdOf(list, index) == 0) {
      return "list " + std::to_string(list) + ": entry " + std::to_string(index) + " is missing";
    }
    if (i > 0 && layout[i - 1] == '0' && strings.ListString(list, index).front() != ' ') {
      return "list " + std::to_string(list) + ": entry " + std::to_string(index) +
             " continues a paragraph but does not begin with a space";
    }
  }
  const auto extra = static_cast<std::int32_t>(layout.size()) + 2;
  if (strings.StringIdOf(list, extra) != 0) {
    return "list " + std::to_string(list) + ": entry " + std::to_string(extra) + " has no layout digit";
  }
  return std::nullopt;
}

}  // namespace crossmere
