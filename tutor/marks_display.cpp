#include "tutor/marks_display.h"

#include "exercises/progress.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {

void ShowMarks(Session& session, std::int32_t marks, std::int32_t available, std::int32_t dialog,
               std::int32_t item) {
  WindowService& service = session.service;
  service.SetItemText(dialog, item, MarksText(marks, available));
  service.SetItemTextColour(dialog, item,
                            marks == available ? question_window::kGoodColour : question_window::kBadColour);
}

void ShowElapsed(Session& session, std::int64_t start, std::int32_t dialog, std::int32_t item) {
  session.service.SetItemText(dialog, item, ElapsedText(start, session.Now()));
}

}  // namespace crossmere
