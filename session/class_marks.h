#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "exercises/catalogue.h"
#include "session/saved_work_file.h"

namespace crossmere {

// One student's marks as their saved work holds them.
struct ClassMarksRow {
  std::string file;  // the file's name, without its folder
  std::string name;  // empty for a student who gave a number
  std::int32_t number = 0;
  std::int32_t exerciseCount = 0;  // exercises 1..exerciseCount hold marks
  std::array<std::int32_t, kExercisesPerSet + 1> obtained{};
  std::array<std::int32_t, kExercisesPerSet + 1> possible{};
  std::int32_t totalObtained = 0;
  std::int32_t totalPossible = 0;
};

struct SkippedFile {
  std::string file;
  std::string reason;
};

struct ClassMarks {
  std::vector<ClassMarksRow> rows;
  std::vector<SkippedFile> skipped;
  std::int32_t exerciseColumns = 0;  // the most exercises any row has
};

ClassMarksRow MarksRowOf(const SavedWork& work, const std::string& file);

// Reads every file of a folder (not its subfolders), in name order: saved
// work gives a row, anything else is listed as skipped with the reason.
ClassMarks ReadClassMarks(const std::string& folder);

// The table as comma-separated values with a header row, for a spreadsheet:
// UTF-8 with a byte-order mark, lines ended by CR LF, fields quoted where
// they must be, and a name that a spreadsheet would take for a formula kept
// as text.
std::string ClassMarksCsv(const ClassMarks& marks);

}  // namespace crossmere
