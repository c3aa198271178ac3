#include "program/window_classes.h"

#include "exercises/question_types.h"
#include "genetics/organisms.h"
#include "tutor/chi_square_calculator.h"
#include "tutor/getting_started.h"
#include "tutor/question_window.h"
#include "workspace/containers.h"
#include "workspace/instructions.h"
#include "workspace/main_window.h"
#include "workspace/phenotype_key.h"

namespace crossmere {
namespace {

struct Title {
  std::int32_t window;
  const char* text;
};

constexpr Title kTitles[] = {
    {200, "About..."},          {201, "About..."},
    {299, "Password"},          {303, "Choose exercise"},
    {326, "Automation"},        {360, "Genotypes"},
    {361, "Genotypes"},         {362, "Genotypes"},
    {363, "Genotypes"},         {390, "Phenotypes"},
    {391, "Phenotypes"},        {392, "Phenotypes"},
    {393, "Phenotypes"},        {420, "Choose exercise"},
    {430, "Exercise description"},
    {500, "Rules for questions"},
    {623, "Getting started"},   {752, "Welcome"},
    {779, "Get Info"},          {780, "Get info"},
    {1191, "Program Help"},
};

WindowClass& ClassFor(std::vector<WindowClass>& classes, std::int32_t window) {
  for (WindowClass& windowClass : classes) {
    if (windowClass.number == window) return windowClass;
  }
  WindowClass& added = classes.emplace_back();
  added.number = window;
  return added;
}

}  // namespace

std::vector<WindowClass> ProgramWindowClasses() {
  std::vector<WindowClass> classes;
  WindowClass& main = ClassFor(classes, main_window::kWindow);
  main.style = WindowStyle::Main;
  main.closeItem = main_window::kExitCommand;
  ClassFor(classes, main_window::kWelcome).style = WindowStyle::Welcome;
  for (std::int32_t type = kFirstQuestionType; type <= kLastQuestionType; ++type) {
    const std::int32_t form = QuestionTypeOf(type).form;
    if (form == 0) continue;
    WindowClass& question = ClassFor(classes, QuestionWindowOf(type));
    question.form = form;
    question.style = WindowStyle::Panel;
    question.closeItem = question_window::kHide;
  }
  // A container's view is shut, not merely hidden, however it is closed.
  for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
    WindowClass& view = ClassFor(classes, containers::kFirstViewWindow + kind);
    view.style = WindowStyle::Panel;
    view.closeItem = containers::kShut;
  }
  // The key of each organism: one design, shown beside the workspace.
  for (std::int32_t kind = kDinosaurDog; kind <= kPlant; ++kind) {
    WindowClass& key = ClassFor(classes, phenotype_key::WindowOf(kind));
    key.form = phenotype_key::kForm;
    key.style = WindowStyle::Panel;
    key.closeItem = phenotype_key::kClose;
  }
  // The chi-square calculator stays beside the workspace until "Done".
  WindowClass& calculator = ClassFor(classes, chi_square_window::kWindow);
  calculator.style = WindowStyle::Panel;
  calculator.closeItem = chi_square_window::kDone;
  // The getting-started instructions stay beside the workspace.
  ClassFor(classes, getting_started::kWindow).style = WindowStyle::Panel;
  // The explanation of a question looks like an exercise description.
  ClassFor(classes, question_window::kExplanation).form = instructions::kDescriptionWindow;
  for (const Title& title : kTitles) ClassFor(classes, title.window).title = title.text;
  return classes;
}

}  // namespace crossmere
