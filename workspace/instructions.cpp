#include "workspace/instructions.h"

#include "layer/layout_text.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace instructions;

void ShowText(Session& session, std::int32_t window, const std::string& heading, std::int32_t list) {
  WindowService& service = session.service;
  const bool fresh = !service.WindowExists(window);
  service.WindowOpen(window, 1);
  if (fresh) CentreOnLayout(service, window, session.startup.layout);
  service.SetItemText(window, kHeading, heading);
  service.SetItemText(window, kText, LayoutText(session.strings, list));
  service.WindowShow(window);
}

// A menu caption without its keyboard marker and trailing dots.
std::string CaptionOf(const Session& session, std::int32_t command) {
  const auto items = session.service.MenuItems(command);
  std::string caption = items.empty() ? std::string() : items.front().caption;
  std::erase(caption, '&');
  while (!caption.empty() && caption.back() == '.') caption.pop_back();
  return caption;
}

}  // namespace

void ShowExerciseDescription(Session& session) {
  const std::int32_t ex = session.progress.current;
  const std::string name = ExerciseTitle(session.strings, session.exercises, ex);
  ShowText(session, kDescriptionWindow, std::to_string(ex) + ".  " + name,
           801 + session.exercises.offset + StandardExercise(session.exercises, ex));
}

void ShowHelpPage(Session& session, std::int32_t command) {
  switch (command) {
    case kAboutCommand:
      ShowText(session, kAboutWindow, CaptionOf(session, command), kAboutPage);
      break;
    case kProgramCommand:
      ShowText(session, kHelpWindow, CaptionOf(session, command), kProgramPage);
      break;
    case kMenuCommandsCommand:
      ShowText(session, kHelpWindow, CaptionOf(session, command), kMenuCommandsPage);
      break;
    default:
      break;
  }
}

bool CloseInstructionWindow(Session& session, std::int32_t window, std::int32_t item) {
  if (item != kClose ||
      (window != kDescriptionWindow && window != kHelpWindow && window != kAboutWindow)) {
    return false;
  }
  session.service.WindowRelease(window);
  return true;
}

}  // namespace crossmere
