// The class set-up file's reader on any text: it never fails other than by
// refusing, what it takes it writes back to the same records, and the
// settings it gives can be checked, loaded and stored again.

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "records/class_setup.h"
#include "records/class_setup_file.h"

namespace {

bool SameRecords(const std::vector<crossmere::OverrideRecord>& a, const std::vector<crossmere::OverrideRecord>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].list != b[i].list || a[i].index != b[i].index || a[i].used != b[i].used || a[i].text != b[i].text) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace crossmere;
  const auto parsed = ParseClassSetUpFile(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto* records = std::get_if<std::vector<OverrideRecord>>(&parsed);
  if (!records) return 0;
  const auto again = ParseClassSetUpFile(ClassSetUpFileText(*records));
  const auto* back = std::get_if<std::vector<OverrideRecord>>(&again);
  if (!back || !SameRecords(*back, *records)) std::abort();

  static const StringLists shipped;
  StringLists strings = shipped;
  if (!strings.SetOverrides(*records)) std::abort();
  ClassSettingsIntact(strings);
  const ClassSetUp setUp = LoadClassSetUp(strings);
  StoreClassSetUp(strings, setUp);
  return 0;
}
