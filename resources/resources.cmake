# Included from the top directory, so that the generated sources belong to
# targets of the same directory.

# String lists: list<TAB>index<TAB>text, compiled into the core library.
set(string_files
  ${PROJECT_SOURCE_DIR}/resources/strings/exercises.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/main_window.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/questions.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/progression.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/dialogs.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/organisms.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/setup.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/answers.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/colours.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/help.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/descriptions_advanced.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/descriptions_elementary.txt
)
set(string_data_cpp ${PROJECT_BINARY_DIR}/resources/string_data.cpp)
add_custom_command(
  OUTPUT ${string_data_cpp}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${string_data_cpp} "-DINPUTS=${string_files}"
          -P ${PROJECT_SOURCE_DIR}/cmake/embed_text.cmake
  DEPENDS ${string_files} ${PROJECT_SOURCE_DIR}/cmake/embed_text.cmake
  COMMENT "Embedding the string lists"
  VERBATIM)
target_sources(crossmere_core PRIVATE ${string_data_cpp})

# Dialogs, one Qt Designer file per dialog number.
qt6_wrap_ui(dialog_headers
  resources/dialogs/TW200.ui
  resources/dialogs/TW303.ui
  resources/dialogs/TW343.ui
  resources/dialogs/TW381.ui
  resources/dialogs/TW382.ui
  resources/dialogs/TW383.ui
  resources/dialogs/TW384.ui
  resources/dialogs/TW410.ui
  resources/dialogs/TW411.ui
  resources/dialogs/TW412.ui
  resources/dialogs/TW413.ui
  resources/dialogs/TW419.ui
  resources/dialogs/TW420.ui
  resources/dialogs/TW422.ui
  resources/dialogs/TW423.ui
  resources/dialogs/TW430.ui
  resources/dialogs/TW441.ui
  resources/dialogs/TW442.ui
  resources/dialogs/TW443.ui
  resources/dialogs/TW444.ui
  resources/dialogs/TW498.ui
  resources/dialogs/TW500.ui
  resources/dialogs/TW503.ui
  resources/dialogs/TW504.ui
  resources/dialogs/TW546.ui
  resources/dialogs/TW563.ui
  resources/dialogs/TW752.ui
  resources/dialogs/TW753.ui
  resources/dialogs/TW779.ui
  resources/dialogs/TW785.ui
  resources/dialogs/TW1191.ui
)
target_sources(crossmere_ui PRIVATE
  ${dialog_headers}
  resources/cursors/cursors.qrc
  resources/pictures/pictures.qrc
)
