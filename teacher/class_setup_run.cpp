#include "teacher/class_setup_run.h"

#include <algorithm>
#include <optional>

#include "records/class_setup.h"
#include "teacher/class_setup_store.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kWelcomeDialog = 300;
constexpr std::int32_t kPasswordOnlyBox = 21;
constexpr std::int32_t kPasswordDialog = 301;
constexpr std::int32_t kPasswordPrompt = 11;
constexpr std::int32_t kPasswordField = 21;
constexpr std::int32_t kOptionsDialog = 342;
constexpr std::int32_t kDashSymbolField = 91;
constexpr std::int32_t kYSymbolField = 92;
constexpr std::int32_t kStageTwoDialog = 305;
constexpr std::int32_t kStageTwoPrompt = 11;
constexpr std::int32_t kChooseStandard = 21;
constexpr std::int32_t kNominateDialog = 306;
constexpr std::int32_t kFirstExerciseBox = 21;
constexpr std::int32_t kEditorDialog = 349;
constexpr std::int32_t kSlotChooser = 11;
constexpr std::int32_t kConfirmDialog = 335;
constexpr std::int32_t kFinishedDialog = 325;
constexpr std::int32_t kReview = 980;

void Finish(Session& session) { session.service.Quit(); }

// The password typed twice; nullopt when the teacher leaves or the two differ.
std::optional<std::int32_t> AskNewPassword(Session& session) {
  WindowService& service = session.service;
  OpenCentred(session.service, kPasswordDialog, session.startup.layout);
  PasswordTable table;
  RandomGenerator random;
  std::optional<std::int32_t> first;
  std::optional<std::int32_t> result;
  for (std::int32_t entry = 1; entry <= 2;) {
    service.SetItemText(kPasswordDialog, kPasswordPrompt, session.strings.ListString(621, entry));
    service.SetItemText(kPasswordDialog, kPasswordField, "");
    if (RunModal(session.service, kPasswordDialog) != main_window::kOkButton) break;
    const auto codes = LatinOneCodes(service.ItemText(kPasswordDialog, kPasswordField));
    if (!codes || codes->empty()) {
      service.Alert(op::kWarningBox, codes ? "Please type in a password." :
                                             "Please use letters, digits and the accented letters of Western European "
                                             "languages only.");
      continue;
    }
    const std::int32_t value = PasswordCheckValue(*codes, entry == 1, table, random);
    if (entry == 1) {
      first = value;
    } else if (value == *first) {
      result = value;
    } else {
      service.Alert(op::kErrorBox, "Password does not check.  Please repeat procedure");
    }
    ++entry;
  }
  service.WindowRelease(kPasswordDialog);
  return result;
}

void ShowFinished(Session& session) {
  WindowService& service = session.service;
  OpenCentred(session.service, kFinishedDialog, session.startup.layout);
  service.SetItemText(kFinishedDialog, 11, session.strings.ListString(625, 1));
  service.SetItemText(kFinishedDialog, 12, session.strings.ListString(625, 2));
  RunModal(session.service, kFinishedDialog);
  service.WindowRelease(kFinishedDialog);
}

bool WriteSetUp(Session& session) {
  if (const auto problem = SaveClassSetUp(session)) {
    session.service.Alert(op::kErrorBox, "The class set-up could not be saved: " + *problem + ".");
    return false;
  }
  return true;
}

void ShowOptions(WindowService& service, const ClassOptions& options, bool editable) {
  for (std::int32_t item = ClassOptions::kFirstItem; item <= ClassOptions::kLastItem; ++item) {
    if (!service.ItemExists(kOptionsDialog, item)) continue;
    service.SetItemValue(kOptionsDialog, item, options.Item(item) ? 1 : 0);
    if (!editable) service.ItemDisable(kOptionsDialog, item);
  }
  service.SetItemText(kOptionsDialog, kDashSymbolField, options.dashSymbol);
  service.SetItemText(kOptionsDialog, kYSymbolField, options.ySymbol);
  if (!editable) {
    service.ItemDisable(kOptionsDialog, kDashSymbolField);
    service.ItemDisable(kOptionsDialog, kYSymbolField);
  }
}

// One character of Latin-1 for a genotype symbol, or the reason it is not.
std::optional<std::string> SymbolProblem(const std::string& symbol) {
  const auto codes = LatinOneCodes(symbol);
  if (!codes || codes->size() != 1 || (*codes)[0] == ' ') return "Each symbol must be one letter, digit or sign.";
  return std::nullopt;
}

// Stage III: the class options. False when the teacher cancels.
bool EditOptions(Session& session, ClassOptions& options) {
  WindowService& service = session.service;
  OpenCentred(session.service, kOptionsDialog, session.startup.layout);
  ShowOptions(service, options, true);
  bool accepted = false;
  while (!accepted) {
    if (RunModal(session.service, kOptionsDialog) != main_window::kOkButton) break;
    ClassOptions chosen = options;
    for (std::int32_t item = ClassOptions::kFirstItem; item <= ClassOptions::kLastItem; ++item) {
      if (service.ItemExists(kOptionsDialog, item)) chosen.SetItem(item, service.ItemChecked(kOptionsDialog, item));
    }
    chosen.dashSymbol = service.ItemText(kOptionsDialog, kDashSymbolField);
    chosen.ySymbol = service.ItemText(kOptionsDialog, kYSymbolField);
    const auto problem = SymbolProblem(chosen.dashSymbol) ? SymbolProblem(chosen.dashSymbol) : SymbolProblem(chosen.ySymbol);
    if (problem) {
      service.Alert(op::kWarningBox, *problem);
      continue;
    }
    options = chosen;
    accepted = true;
  }
  service.WindowRelease(kOptionsDialog);
  return accepted;
}

std::int32_t SetOffset(const ClassOptions& options) { return options.Elementary() ? kElementarySet : kAdvancedSet; }

// Stage II (a): up to ten standard exercises, in catalogue order.
bool NominateExercises(Session& session, ClassSetUp& setUp) {
  WindowService& service = session.service;
  const std::int32_t offset = SetOffset(setUp.options);
  const ExerciseSet standard = LoadExerciseSet(session.strings, offset, nullptr);
  OpenCentred(session.service, kNominateDialog, session.startup.layout);
  for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
    const std::int32_t box = kFirstExerciseBox + ex - 1;
    service.SetItemText(kNominateDialog, box,
                        " (" + std::to_string(ex) + ") " + session.strings.ListString(649 + offset, ex));
    bool chosen = false;
    for (std::int32_t k = 1; k <= kSlotCount; ++k) chosen = chosen || setUp.exercises[k].catalogue == ex;
    service.SetItemValue(kNominateDialog, box, chosen ? 1 : 0);
  }
  bool accepted = false;
  while (!accepted) {
    if (RunModal(session.service, kNominateDialog) != main_window::kOkButton) break;
    std::vector<std::int32_t> chosen;
    for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
      if (service.ItemChecked(kNominateDialog, kFirstExerciseBox + ex - 1)) chosen.push_back(ex);
    }
    if (chosen.empty() || chosen.size() > static_cast<std::size_t>(kSlotCount)) {
      service.Alert(op::kWarningBox, "Nominate between 1 and 10 exercises.");
      continue;
    }
    for (std::int32_t k = 1; k <= kSlotCount; ++k) {
      ExerciseSlot& slot = setUp.exercises[k];
      slot = ExerciseSlot();
      if (k > static_cast<std::int32_t>(chosen.size())) continue;
      slot.catalogue = chosen[k - 1];
      slot.title = session.strings.ListString(649 + offset, slot.catalogue);
      slot.options = standard.options[slot.catalogue];
    }
    accepted = true;
  }
  service.WindowRelease(kNominateDialog);
  return accepted;
}

// The slots the editor offers: the filled ones.
std::vector<std::int32_t> FilledSlots(const ClassSetUp& setUp) {
  std::vector<std::int32_t> filled;
  for (std::int32_t k = 1; k <= kSlotCount; ++k) {
    if (setUp.exercises[k].catalogue > 0 || setUp.exercises[k].UsesLoci()) filled.push_back(k);
  }
  return filled;
}

void ShowSlotOptions(WindowService& service, const ExerciseOptions& options, bool editable) {
  for (std::int32_t item = ExerciseOptions::kFirstItem + 1; item <= ExerciseOptions::kLastItem; ++item) {
    if (!service.ItemExists(kEditorDialog, item)) continue;
    service.SetItemValue(kEditorDialog, item, options.On(item) ? 1 : 0);
    if (!editable) service.ItemDisable(kEditorDialog, item);
  }
}

void ReadSlotOptions(WindowService& service, ExerciseOptions& options) {
  for (std::int32_t item = ExerciseOptions::kFirstItem + 1; item <= ExerciseOptions::kLastItem; ++item) {
    if (service.ItemExists(kEditorDialog, item)) options.Set(item, service.ItemChecked(kEditorDialog, item));
  }
}

// Stage II (b), or an inspection: the option flags of each slot.
bool EditParameters(Session& session, ClassSetUp& setUp, bool editable) {
  WindowService& service = session.service;
  const std::vector<std::int32_t> filled = FilledSlots(setUp);
  if (filled.empty()) return true;
  OpenCentred(session.service, kEditorDialog, session.startup.layout);
  std::string entries;
  for (const std::int32_t k : filled) {
    if (!entries.empty()) entries += '\n';
    entries += std::to_string(k) + ".  " + setUp.exercises[k].title;
  }
  service.SetItemText(kEditorDialog, kSlotChooser, entries);
  service.SetItemValue(kEditorDialog, kSlotChooser, 1);
  std::size_t shown = 0;
  ShowSlotOptions(service, setUp.exercises[filled[shown]].options, editable);
  bool accepted = false;
  for (;;) {
    const std::int32_t hit = RunModal(session.service, kEditorDialog);
    if (editable && (hit == kSlotChooser || hit == main_window::kOkButton)) ReadSlotOptions(service, setUp.exercises[filled[shown]].options);
    if (hit != kSlotChooser) {
      accepted = hit == main_window::kOkButton;
      break;
    }
    service.ItemSelect(kEditorDialog, kSlotChooser);
    shown = static_cast<std::size_t>(std::clamp(service.GetControlValue(), 1, static_cast<std::int32_t>(filled.size())) - 1);
    ShowSlotOptions(service, setUp.exercises[filled[shown]].options, editable);
  }
  service.WindowRelease(kEditorDialog);
  return accepted;
}

// Stage II: which of the two ways the exercises are chosen. False when the teacher leaves.
bool ChooseExercises(Session& session, ClassSetUp& setUp) {
  WindowService& service = session.service;
  for (;;) {
    OpenCentred(service, kStageTwoDialog, session.startup.layout);
    service.SetItemText(kStageTwoDialog, kStageTwoPrompt, session.strings.ListString(605, 1));
    const bool ok = RunModal(service, kStageTwoDialog) == main_window::kOkButton;
    const bool standard = service.ItemChecked(kStageTwoDialog, kChooseStandard);
    service.WindowRelease(kStageTwoDialog);
    if (!ok) return false;
    if (standard) return NominateExercises(session, setUp);
    if (!FilledSlots(setUp).empty()) return EditParameters(session, setUp, true);
    service.Alert(op::kWarningBox, "There are no exercises to change yet: choose from the standard exercises first.");
  }
}

// Stages III and II until the teacher confirms; false when they leave.
bool ReviewUntilConfirmed(Session& session, ClassSetUp& setUp) {
  for (;;) {
    const bool elementary = setUp.options.Elementary();
    if (!EditOptions(session, setUp.options)) return false;
    // A slot is a standard exercise of one level: under the other it would
    // take another exercise's questions.
    if (setUp.options.Elementary() != elementary && !FilledSlots(setUp).empty()) {
      for (ExerciseSlot& slot : setUp.exercises) slot = ExerciseSlot();
      session.service.Alert(op::kInformationBox,
                            "The exercises were chosen from the other level.  Please nominate them again.");
    }
    if (!setUp.options.WholeSet() && !ChooseExercises(session, setUp)) return false;
    OpenCentred(session.service, kConfirmDialog, session.startup.layout);
    const std::int32_t hit = RunModal(session.service, kConfirmDialog);
    session.service.WindowRelease(kConfirmDialog);
    if (hit == main_window::kOkButton) return true;
    if (hit != kReview) return false;
  }
}

bool ShowProblems(Session& session, const std::optional<std::vector<std::string>>& problems) {
  if (!problems) return false;
  for (const std::string& text : *problems) session.service.Alert(op::kErrorBox, text);
  return true;
}

}  // namespace

void RunClassSetUp(Session& session, SetUpMode mode) {
  WindowService& service = session.service;
  ClassSetUp setUp = LoadClassSetUp(session.strings);
  std::optional<std::int32_t> password;
  if (mode == SetUpMode::NewPassword) {
    OpenCentred(session.service, kWelcomeDialog, session.startup.layout);
    const bool go = RunModal(session.service, kWelcomeDialog) == main_window::kOkButton;
    const bool passwordOnly = service.ItemChecked(kWelcomeDialog, kPasswordOnlyBox);
    service.WindowRelease(kWelcomeDialog);
    if (!go) return Finish(session);
    password = AskNewPassword(session);
    if (!password) return Finish(session);
    service.Alert(op::kInformationBox, "Please be sure that the password is not lost");
    if (passwordOnly) {
      if (!ShowProblems(session, StorePassword(session.strings, *password)) && WriteSetUp(session)) ShowFinished(session);
      return Finish(session);
    }
    ClearClassSlots(session.strings);
    setUp = ClassSetUp();
    setUp.options = FreshClassOptions(session.classOptions.WholeSet(), session.classOptions.Elementary());
  }
  if (!ReviewUntilConfirmed(session, setUp)) return Finish(session);
  if (password && ShowProblems(session, StorePassword(session.strings, *password))) return Finish(session);
  if (ShowProblems(session, StoreClassSetUp(session.strings, setUp))) return Finish(session);
  if (WriteSetUp(session)) ShowFinished(session);
  Finish(session);
}

void InspectClassSetUp(Session& session) {
  WindowService& service = session.service;
  ClassSetUp setUp = LoadClassSetUp(session.strings);
  OpenCentred(session.service, kOptionsDialog, session.startup.layout);
  ShowOptions(service, setUp.options, false);
  RunModal(session.service, kOptionsDialog);
  service.WindowRelease(kOptionsDialog);
  if (!setUp.options.WholeSet()) EditParameters(session, setUp, false);
  Finish(session);
}

}  // namespace crossmere
