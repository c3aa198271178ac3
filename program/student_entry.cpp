#include "program/student_entry.h"

#include "program/saved_work_commands.h"
#include "records/class_setup.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kNameField = 11;
constexpr std::int32_t kNumberField = 12;
constexpr std::int32_t kTeacherField = 13;
constexpr std::int32_t kNumberPrompt = 22;
constexpr std::int32_t kOpenPrompt = 24;
constexpr std::int32_t kOpenButton = 980;
constexpr std::int32_t kNumberDialog = 785;
constexpr std::int32_t kNumberLabel = 7;
constexpr std::int32_t kQuitDialog = 426;

void ShowStudentNumber(Session& session) {
  WindowService& service = session.service;
  std::int32_t number = session.identity.number;
  service.WindowOpen(kNumberDialog, 0);
  CentreOnLayout(service, kNumberDialog, session.startup.layout);
  service.ItemSelect(kNumberDialog, kNumberLabel);
  service.ItemBind(number);
  service.ItemWrite(kNumberDialog, kNumberLabel);
  service.WindowRunModal(kNumberDialog);
  service.WindowRelease(kNumberDialog);
}

// Whether the teacher's field holds the class password.
bool IsClassPassword(const Session& session, const std::string& typed) {
  if (typed.empty() || NoPasswordSet(session.strings)) return false;
  const auto codes = LatinOneCodes(typed);
  if (!codes) return false;
  PasswordTable table;
  RandomGenerator random;
  return PasswordCheckValue(*codes, true, table, random) == PasswordCheckValueSetting(session.strings);
}

// Cancel or Escape would end the program: the student is asked first.
bool ConfirmQuit(Session& session) { return AskInDialog(session.service, kQuitDialog, session.startup.layout); }

}  // namespace

EntryOutcome RunEntryDialog(Session& session) {
  WindowService& service = session.service;
  const ClassOptions& options = session.classOptions;
  const std::int32_t dialog = EntryDialogNumber(options);
  EntryFields fields;
  std::string teacher;

  service.WindowOpen(dialog, 0);
  CentreOnLayout(service, dialog, session.startup.layout);
  for (const auto& [item, text] : {std::pair{kNameField, &fields.name}, std::pair{kNumberField, &fields.number},
                                   std::pair{kTeacherField, &teacher}}) {
    service.ItemSelect(dialog, item);
    service.ItemBind(*text);
  }
  if (options.ShowNumber()) {
    service.ItemShow(dialog, kNumberPrompt);
    service.ItemShow(dialog, kNumberField);
  }
  if (dialog == 413 && options.AllowSaveToDisk()) {
    service.ItemShow(dialog, kOpenPrompt);
    service.ItemShow(dialog, kOpenButton);
  }

  bool accepted = false;
  bool restored = false;
  bool teacherRun = false;
  while (!accepted && !restored && !teacherRun) {
    for (const std::int32_t item : {kNameField, kNumberField, kTeacherField}) service.ItemWrite(dialog, item);
    service.WindowRunModal(dialog);
    const std::int32_t hit = service.Registers().itemHit;
    if (hit == 990) {
      if (ConfirmQuit(session)) break;
      continue;
    }
    // A cancelled or refused file leaves the student at this dialog to try again.
    if (hit == kOpenButton) restored = OpenWork(session);
    if (hit != 1000) continue;
    service.ItemRead(dialog, kNameField);
    fields.name = service.Bindings().lastEnteredText;  // names may be longer than a bound field
    service.ItemRead(dialog, kNumberField);
    service.ItemRead(dialog, kTeacherField);
    teacherRun = IsClassPassword(session, teacher);
    teacher.clear();
    if (teacherRun) break;
    const auto problem = AcceptIdentity(session.identity, fields, options, session.strings);
    if (problem) {
      service.Alert(op::kWarningBox, *problem);
    } else {
      accepted = true;
    }
  }
  service.WindowRelease(dialog);
  if (teacherRun) return EntryOutcome::Teacher;
  if (restored) return EntryOutcome::Restored;
  if (!accepted) return EntryOutcome::Cancelled;

  session.offspring.forcedCounter = 0;
  if (ShowsNumberDialog(session.identity, options)) ShowStudentNumber(session);
  return EntryOutcome::Identified;
}

}  // namespace crossmere
