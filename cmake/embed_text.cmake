# Joins the string-list files into one C++ source holding their text.
# Called as: cmake -DOUTPUT=<file.cpp> -DINPUTS=<a.txt;b.txt> -P embed_text.cmake
set(body "")
foreach(input IN LISTS INPUTS)
  file(READ "${input}" content)
  string(APPEND body "${content}\n")
endforeach()
string(FIND "${body}" ")crossmere\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "string-list text contains the embedding delimiter")
endif()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from resources/strings; edit those files instead.\n"
  "#include \"layer/string_data.h\"\n\n"
  "namespace crossmere {\n\n"
  "std::string_view StringListData() {\n"
  "  static constexpr char kText[] = R\"crossmere(${body})crossmere\";\n"
  "  return {kText, sizeof(kText) - 1};\n"
  "}\n\n"
  "}  // namespace crossmere\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
