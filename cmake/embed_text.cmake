# Joins the string-list files into one C++ source holding their text: a raw
# literal per file (each well within the length compilers must accept),
# joined once at first use.
# Called as: cmake -DOUTPUT=<file.cpp> -DINPUTS=<a.txt;b.txt> -P embed_text.cmake
set(parts "")
foreach(input IN LISTS INPUTS)
  file(READ "${input}" content)
  string(FIND "${content}" ")crossmere\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "string-list text contains the embedding delimiter: ${input}")
  endif()
  string(APPEND parts "      R\"crossmere(${content}\n)crossmere\",\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from resources/strings; edit those files instead.\n"
  "#include \"layer/string_data.h\"\n\n"
  "#include <string>\n\n"
  "namespace crossmere {\n\n"
  "std::string_view StringListData() {\n"
  "  static const std::string kText = [] {\n"
  "    constexpr std::string_view kParts[] = {\n"
  "${parts}"
  "    };\n"
  "    std::string text;\n"
  "    for (const std::string_view part : kParts) text += part;\n"
  "    return text;\n"
  "  }();\n"
  "  return kText;\n"
  "}\n\n"
  "}  // namespace crossmere\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
