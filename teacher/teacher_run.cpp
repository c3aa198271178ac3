#include "teacher/teacher_run.h"

#include <QFile>

#include <cctype>

#include "genetics/genotype_classes.h"
#include "session/all_genotypes_picture.h"
#include "session/answers_file.h"
#include "session/example_of.h"
#include "teacher/class_marks_window.h"
#include "teacher/class_setup_run.h"
#include "tutor/chi_square_calculator.h"
#include "tutor/progression.h"
#include "workspace/exercise_start.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using main_window::kAnswersMenu;

constexpr std::int32_t kMenuDialog = 786;
constexpr std::int32_t kSaveAnswersButton = 50;
constexpr std::int32_t kCheckButton = 970;
constexpr std::int32_t kEditButton = 980;
constexpr std::int32_t kResetButton = 990;
constexpr std::int32_t kStudentDialog = 758;
constexpr std::int32_t kNameField = 11;
constexpr std::int32_t kNumberField = 12;
constexpr std::int32_t kFileOpenedDialog = 759;
constexpr std::int32_t kReplaceFileDialog = 764;
constexpr std::int32_t kAnswersFileDialog = 765;
constexpr std::int32_t kAnswersFileText = 11;
constexpr std::int32_t kNominateButton = 40;
constexpr std::int32_t kNominateDialog = 767;
constexpr std::int32_t kFirstSlotBox = 21;
constexpr std::int32_t kGenotypesWindow = 776;
constexpr std::int32_t kGenotypesPicture = 200;
constexpr std::int32_t kSymbolsDialog = 777;
constexpr std::int32_t kFirstCharacterLabel = 11;
constexpr std::int32_t kFirstSymbolField = 21;
constexpr std::int32_t kCancel = 990;

// Answers menu commands.
constexpr std::int32_t kChiSquareCommand = 153;
constexpr std::int32_t kShowGenotypesCommand = 151;
constexpr std::int32_t kAnswersFileCommand = 154;
constexpr std::int32_t kNextStudentCommand = 155;
constexpr std::int32_t kClassMarksCommand = 156;
constexpr std::int32_t kGeneSymbolsCommand = 157;

std::int32_t NominatedCount(const Session& session) { return session.exercises.nominated; }

void CloseAnswersFile(Session& session) { session.teacher.answersFile.clear(); }

// Appends lines to the open answers file; a failure closes it.
void AppendToAnswersFile(Session& session, const std::vector<std::string>& lines) {
  QFile file(QString::fromStdString(session.teacher.answersFile));
  if (!file.exists() || !file.open(QIODevice::Append | QIODevice::Text)) {
    session.service.Alert(op::kErrorBox, "The answers file " + session.teacher.answersFile +
                                             " cannot be written to (error " + std::to_string(file.error()) +
                                             ": " + file.errorString().toStdString() + ").  No answers file is open.");
    CloseAnswersFile(session);
    return;
  }
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  const bool written = file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
  file.close();
  if (!written || file.error() != QFileDevice::NoError) {
    session.service.Alert(op::kErrorBox, "The answers file " + session.teacher.answersFile +
                                             " could not be written (" + file.errorString().toStdString() +
                                             ").  No answers file is open.");
    CloseAnswersFile(session);
  }
}

void WriteStudentAnswers(Session& session) {
  if (session.teacher.answersFile.empty()) return;
  AppendToAnswersFile(session, StudentAnswerLines(session.strings, session.identity, session.progress.trialRunning,
                                                  session.teacher.nominated, session.geneSymbols));
}

void NominateForAnswers(Session& session) {
  WindowService& service = session.service;
  OpenCentred(session.service, kNominateDialog, session.startup.layout);
  for (std::int32_t k = 1; k <= kSlotCount; ++k) {
    const std::int32_t box = kFirstSlotBox + k - 1;
    const bool present = k <= NominatedCount(session);
    service.ItemShow(kNominateDialog, box, present);
    if (!present) continue;
    service.SetItemText(kNominateDialog, box,
                        std::to_string(k) + ".  " + ExerciseTitle(session.strings, session.exercises, k));
    service.SetItemValue(kNominateDialog, box, session.teacher.nominated[k] ? 1 : 0);
  }
  if (RunModal(session.service, kNominateDialog) == main_window::kOkButton) {
    for (std::int32_t k = 1; k <= kSlotCount; ++k) {
      session.teacher.nominated[k] =
          k <= NominatedCount(session) && service.ItemChecked(kNominateDialog, kFirstSlotBox + k - 1);
    }
  }
  service.WindowRelease(kNominateDialog);
}

void OpenAnswersFile(Session& session) {
  WindowService& service = session.service;
  if (!session.teacher.answersFile.empty()) {
    if (!AskInDialog(session.service, kReplaceFileDialog, session.startup.layout)) return;
    CloseAnswersFile(session);
  }
  OpenCentred(session.service, kAnswersFileDialog, session.startup.layout);
  service.SetItemText(kAnswersFileDialog, kAnswersFileText, session.strings.ListString(765, 1));
  std::int32_t hit = 0;
  while ((hit = RunModal(session.service, kAnswersFileDialog)) == kNominateButton) NominateForAnswers(session);
  service.WindowRelease(kAnswersFileDialog);
  if (hit != main_window::kOkButton) return;

  service.Registers().fileNameRegister = session.strings.ListString(600, 9) + ".txt";
  service.FileSaveDialog();
  if (service.Registers().resultWord == 0) return;
  const std::string path = service.Registers().fileNameRegister;
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    service.Alert(op::kErrorBox, "The answers file " + path + " cannot be created (error " +
                                     std::to_string(file.error()) + ": " + file.errorString().toStdString() + ").");
    return;
  }
  file.close();
  session.teacher.answersFile = path;
  const auto header = AnswersFileHeader(session.classOptions);
  if (!header.empty()) AppendToAnswersFile(session, header);
  if (!session.teacher.answersFile.empty()) AskInDialog(session.service, kFileOpenedDialog, session.startup.layout);
}

// Shows a student's examples as they met them, asking who the student is.
// False when the teacher cancels before any student is known: the run ends.
bool NextStudent(Session& session) {
  WindowService& service = session.service;
  OpenCentred(session.service, kStudentDialog, session.startup.layout);
  EntryFields fields;
  bool accepted = false;
  bool cancelled = false;
  while (!accepted && !cancelled) {
    service.SetItemText(kStudentDialog, kNameField, fields.name);
    service.SetItemText(kStudentDialog, kNumberField, fields.number);
    if (RunModal(session.service, kStudentDialog) != main_window::kOkButton) {
      cancelled = true;
      break;
    }
    fields.name = service.ItemText(kStudentDialog, kNameField);
    fields.number = service.ItemText(kStudentDialog, kNumberField);
    StudentIdentity identity = session.identity;
    if (const auto problem = AcceptIdentity(identity, fields, session.classOptions, session.strings)) {
      service.Alert(op::kWarningBox, *problem);
    } else {
      session.identity = identity;
      accepted = true;
    }
  }
  service.WindowRelease(kStudentDialog);
  if (cancelled) return session.identity.number >= 1000;

  // The student's first try of the exercise, as they met it.
  service.WindowShow(main_window::kWindow);
  ProgressState& progress = session.progress;
  progress.previous = progress.current;
  progress.tryCount = {};
  session.preparedQuestions = {};
  PrecomputeStudentKinds(session);
  StartExercise(session);
  WriteStudentAnswers(session);
  return true;
}

void ShowAllGenotypes(Session& session) {
  WindowService& service = session.service;
  if (!service.WindowExists(kGenotypesWindow)) {
    service.WindowOpen(kGenotypesWindow, 0);
    CentreOnLayout(service, kGenotypesWindow, session.startup.layout);
  }
  service.ItemSelect(kGenotypesWindow, kGenotypesPicture);
  service.SetLocalCoordinates(true);
  DrawAllGenotypes(*service.ItemDrawing(), session.strings, session);
  service.WindowShow(kGenotypesWindow);
}

// Whether another locus of the example, or the Y chromosome, is written with this letter.
bool SymbolTaken(const GeneticsState& genetics, std::int32_t locus, char upper) {
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    if (k != locus && genetics.upperSymbol[genetics.loci[k].character] == upper) return true;
  }
  return genetics.ySymbol.size() == 1 && std::toupper(static_cast<unsigned char>(genetics.ySymbol[0])) == upper;
}

// The teacher's own letters for the characters of the example: they stay for
// every later example of the run, in the answers file too.
void ChooseGeneSymbols(Session& session) {
  WindowService& service = session.service;
  GeneticsState& genetics = session.genetics;
  OpenCentred(session.service, kSymbolsDialog, session.startup.layout);
  for (std::int32_t k = 1; k <= 3; ++k) {
    const bool present = k <= genetics.lociCount;
    service.ItemShow(kSymbolsDialog, kFirstCharacterLabel + k - 1, present);
    service.ItemShow(kSymbolsDialog, kFirstSymbolField + k - 1, present);
    if (!present) continue;
    const std::int32_t c = genetics.loci[k].character;
    service.SetItemText(kSymbolsDialog, kFirstCharacterLabel + k - 1,
                        genetics.vocabulary.characters[static_cast<std::size_t>(c)].name + ":");
    service.SetItemText(kSymbolsDialog, kFirstSymbolField + k - 1, std::string(1, genetics.upperSymbol[c]));
  }
  const bool ok = RunModal(session.service, kSymbolsDialog) == main_window::kOkButton;
  std::vector<std::string> typed;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) typed.push_back(service.ItemText(kSymbolsDialog, kFirstSymbolField + k - 1));
  service.WindowRelease(kSymbolsDialog);
  if (!ok) return;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    const std::string& text = typed[static_cast<std::size_t>(k - 1)];
    if (text.empty()) continue;
    // A letter a..z or A..Z only; anything else keeps the symbol there was.
    const auto problem = text.size() == 1 ? GeneSymbolProblem(text[0]) : text + " is not a valid gene symbol";
    if (problem) {
      service.Alert(op::kWarningBox, *problem);
      continue;
    }
    const std::int32_t c = genetics.loci[k].character;
    const auto letter = static_cast<unsigned char>(text[0]);
    if (SymbolTaken(genetics, k, static_cast<char>(std::toupper(letter)))) {
      service.Alert(op::kWarningBox, text + " is already used for another gene or the Y chromosome");
      continue;
    }
    genetics.upperSymbol[c] = static_cast<char>(std::toupper(letter));
    genetics.lowerSymbol[c] = static_cast<char>(std::tolower(letter));
    session.geneSymbols[static_cast<std::size_t>(genetics.kind)][static_cast<std::size_t>(c)] = genetics.upperSymbol[c];
  }
  BuildGenotypeTexts(genetics);
  RedrawIndividuals(session);
}

}  // namespace

bool TeacherMenu(Session& session) {
  WindowService& service = session.service;
  session.teacher.teacherRun = true;
  OpenCentred(session.service, kMenuDialog, session.startup.layout);
  if (session.classOptions.WholeSet()) {
    service.ItemDisable(kMenuDialog, kSaveAnswersButton);
    service.ItemDisable(kMenuDialog, main_window::kOkButton);
  }
  const std::int32_t hit = RunModal(session.service, kMenuDialog);
  service.WindowRelease(kMenuDialog);
  // Every exercise's answers go to the file unless the teacher nominates fewer.
  for (std::int32_t k = 1; k <= kSlotCount; ++k) session.teacher.nominated[k] = k <= NominatedCount(session);
  switch (hit) {
    case kCheckButton: InspectClassSetUp(session); return false;
    case kEditButton: RunClassSetUp(session, SetUpMode::KeepPassword); return false;
    case kResetButton: RunClassSetUp(session, SetUpMode::NewPassword); return false;
    case kSaveAnswersButton: OpenAnswersFile(session); break;
    case main_window::kOkButton: break;
    default: session.service.Quit(); return false;
  }
  service.Menu(kAnswersMenu, 0, 0, -1);
  if (!NextStudent(session)) {
    service.Quit();
    return false;
  }
  return true;
}

bool AnswersEvent(Session& session, std::int32_t window, std::int32_t item) {
  if (window == kGenotypesWindow) {
    if (item == main_window::kOkButton) session.service.WindowRelease(kGenotypesWindow);
    return true;
  }
  if (window != kAnswersMenu || !session.teacher.teacherRun) return false;
  switch (item) {
    case kChiSquareCommand: OpenChiSquareCalculator(session); break;
    case kShowGenotypesCommand: ShowAllGenotypes(session); break;
    case kAnswersFileCommand: OpenAnswersFile(session); break;
    case kNextStudentCommand:
      if (!NextStudent(session)) session.service.Quit();
      break;
    case kClassMarksCommand: ShowClassMarks(session); break;
    case kGeneSymbolsCommand: ChooseGeneSymbols(session); break;
    default: return false;
  }
  return true;
}


}  // namespace crossmere
