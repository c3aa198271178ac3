#pragma once

#include <string_view>

namespace crossmere {

// The text of every file under resources/strings, joined; one entry a line
// as list<TAB>index<TAB>text. Generated at build time.
std::string_view StringListData();

}  // namespace crossmere
