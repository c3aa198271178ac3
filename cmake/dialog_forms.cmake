# Writes the C++ source that builds each dialog design by its number, so that
# a design listed in the build is a window the program can open. The class of
# a design's top widget (QDialog or QMainWindow) is read from the design.
# Input: OUTPUT, the source to write; DESIGNS, the .ui files.
function(crossmere_dialog_forms OUTPUT DESIGNS)
  set(includes "")
  set(rows "")
  foreach(design IN LISTS DESIGNS)
    get_filename_component(name ${design} NAME_WE)
    string(REGEX REPLACE "^TW" "" number ${name})
    file(READ ${design} text)
    string(REGEX MATCH "<widget class=\"(Q[A-Za-z]+)\"" top "${text}")
    set(window ${CMAKE_MATCH_1})
    string(APPEND includes "#include \"ui_${name}.h\"\n")
    string(APPEND rows "      {${number}, Build<Ui::${name}, ${window}>},\n")
  endforeach()
  set(content "// Made by the build from the dialog designs in resources/dialogs.

#include <QDialog>
#include <QMainWindow>

#include \"layer/window_factory.h\"

${includes}
namespace crossmere {
namespace {

template <typename Form, typename Window>
QWidget* Build() {
  auto* window = new Window;
  Form form;
  form.setupUi(window);
  return window;
}

}  // namespace

const std::map<std::int32_t, FormBuilder>& CompiledForms() {
  static const std::map<std::int32_t, FormBuilder> forms = {
${rows}  };
  return forms;
}

}  // namespace crossmere
")
  # Rewritten only when it changes, so that a new configure builds nothing anew.
  file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${content}" @ONLY)
endfunction()
