#include "teacher/class_marks_window.h"

#include "records/atomic_file.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kMarksDialog = 790;
constexpr std::int32_t kFolderLabel = 11;
constexpr std::int32_t kTable = 20;
constexpr std::int32_t kSkippedLabel = 12;
constexpr std::int32_t kChooseFolder = 30;
constexpr std::int32_t kExport = 40;

std::string Plural(std::size_t count, const std::string& one) {
  return std::to_string(count) + " " + one + (count == 1 ? "" : "s");
}

void ShowTable(Session& session, const std::string& folder) {
  WindowService& service = session.service;
  const ClassMarks& marks = session.teacher.classMarks;
  std::vector<std::string> header = {"Name", "Number"};
  for (std::int32_t ex = 1; ex <= marks.exerciseColumns; ++ex) header.push_back("Ex " + std::to_string(ex));
  header.insert(header.end(), {"Total", "Out of", "File"});
  std::vector<std::vector<std::string>> rows;
  for (const ClassMarksRow& row : marks.rows) {
    std::vector<std::string> cells = {row.name, std::to_string(row.number)};
    for (std::int32_t ex = 1; ex <= marks.exerciseColumns; ++ex) {
      cells.push_back(ex <= row.exerciseCount && row.possible[ex] > 0
                          ? std::to_string(row.obtained[ex]) + " / " + std::to_string(row.possible[ex])
                          : std::string());
    }
    cells.insert(cells.end(), {std::to_string(row.totalObtained), std::to_string(row.totalPossible), row.file});
    rows.push_back(std::move(cells));
  }
  service.SetTableRows(kMarksDialog, kTable, header, rows);
  service.SetItemText(kMarksDialog, kFolderLabel, folder + ":  " + Plural(marks.rows.size(), "student"));
  std::string skipped;
  for (const SkippedFile& file : marks.skipped) {
    skipped += (skipped.empty() ? "Skipped: " : ";  ") + file.file + " (" + file.reason + ")";
  }
  service.SetItemText(kMarksDialog, kSkippedLabel, skipped);
}

void ExportCsv(Session& session) {
  WindowService& service = session.service;
  if (session.teacher.classMarks.rows.empty()) {
    service.Alert(op::kInformationBox, "There are no marks to export yet: choose a folder of saved work first.");
    return;
  }
  service.Registers().fileNameRegister = "Class marks.csv";
  service.FileSaveDialog();
  if (service.Registers().resultWord == 0) return;
  const std::string path = service.Registers().fileNameRegister;
  const std::string csv = ClassMarksCsv(session.teacher.classMarks);
  if (const auto problem =
          WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()))) {
    service.Alert(op::kErrorBox, "The marks could not be saved to " + path + ": " + *problem + ".");
  }
}

}  // namespace

void ShowClassMarks(Session& session) {
  WindowService& service = session.service;
  service.WindowOpen(kMarksDialog, 0);
  CentreOnLayout(service, kMarksDialog, session.startup.layout);
  // The marks last read stay on show, since they are what an export writes.
  if (session.teacher.classMarksFolder.empty()) {
    service.SetTableRows(kMarksDialog, kTable, {}, {});
  } else {
    ShowTable(session, session.teacher.classMarksFolder);
  }
  for (;;) {
    service.WindowRunModal(kMarksDialog);
    const std::int32_t hit = service.Registers().itemHit;
    if (hit == kChooseFolder) {
      service.FolderDialog("Folder of saved work");
      if (service.Registers().resultWord == 0) continue;
      session.teacher.classMarksFolder = service.Registers().fileNameRegister;
      session.teacher.classMarks = ReadClassMarks(session.teacher.classMarksFolder);
      ShowTable(session, session.teacher.classMarksFolder);
    } else if (hit == kExport) {
      ExportCsv(session);
    } else {
      break;
    }
  }
  service.WindowRelease(kMarksDialog);
}

}  // namespace crossmere
