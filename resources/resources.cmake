# Included from the top directory, so that the generated sources belong to
# targets of the same directory.

# String lists: list<TAB>index<TAB>text, compiled into the core library.
set(string_files
  ${PROJECT_SOURCE_DIR}/resources/strings/exercises.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/main_window.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/questions.txt
  ${PROJECT_SOURCE_DIR}/resources/strings/tutorial.txt
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

if(NOT CROSSMERE_UI)
  return()
endif()

# Dialogs, one Qt Designer file per dialog number; each becomes a window the
# program opens by that number.
set(dialog_designs
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW200.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW303.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW343.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW390.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW370.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW381.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW382.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW383.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW384.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW410.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW411.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW412.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW413.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW419.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW420.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW422.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW423.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW424.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW425.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW426.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW430.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW441.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW442.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW443.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW444.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW498.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW500.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW501.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW503.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW504.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW505.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW520.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW521.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW523.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW524.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW527.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW528.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW533.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW534.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW535.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW536.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW546.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW547.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW563.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW623.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW752.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW753.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW779.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW785.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW1191.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW299.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW300.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW301.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW305.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW306.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW325.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW335.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW342.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW349.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW758.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW759.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW764.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW765.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW767.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW776.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW777.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW786.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW790.ui
  ${PROJECT_SOURCE_DIR}/resources/dialogs/TW791.ui
)
qt6_wrap_ui(dialog_headers ${dialog_designs})
include(${PROJECT_SOURCE_DIR}/cmake/dialog_forms.cmake)
set(dialog_forms_cpp ${PROJECT_BINARY_DIR}/resources/dialog_forms.cpp)
crossmere_dialog_forms(${dialog_forms_cpp} "${dialog_designs}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dialog_designs})
target_sources(crossmere_ui PRIVATE
  ${dialog_headers}
  ${dialog_forms_cpp}
  resources/cursors/cursors.qrc
  resources/pictures/pictures.qrc
)
