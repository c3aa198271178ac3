#include "session/class_marks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace crossmere {
namespace {

// Larger files cannot be saved work; they are not read in at all.
constexpr std::uintmax_t kLargestSavedWork = 4 * 1024 * 1024;

std::string CsvField(std::string text) {
  // A leading =, +, - or @ would make a spreadsheet run the name as a formula.
  if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos) text.insert(0, "'");
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

ClassMarksRow MarksRowOf(const SavedWork& work, const std::string& file) {
  ClassMarksRow row;
  row.file = file;
  row.name = work.name;
  row.number = work.studentNumber;
  row.totalObtained = work.totalObtained;
  row.totalPossible = work.totalPossible;
  row.exerciseCount = std::clamp(work.exerciseCount, 0, kExercisesPerSet);
  if (work.extension) {
    // Every exercise by its number: with the whole set open, the count is
    // of exercises attempted, not the highest one.
    for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
      const SavedWorkExtension::Exercise& exercise = work.extension->exercises[ex];
      row.obtained[ex] = exercise.obtained;
      row.possible[ex] = exercise.possible;
      if (exercise.tries > 0 || exercise.possible > 0) row.exerciseCount = std::max(row.exerciseCount, ex);
    }
    return row;
  }
  for (std::int32_t ex = 1; ex <= row.exerciseCount; ++ex) {
    row.obtained[ex] = work.exercises[ex].obtained;
    row.possible[ex] = work.exercises[ex].possible;
  }
  return row;
}

ClassMarks ReadClassMarks(const std::string& folder) {
  namespace fs = std::filesystem;
  ClassMarks marks;
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(fs::path(std::u8string(folder.begin(), folder.end())), error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    if (it->is_regular_file(kindError)) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& path : files) {
    const std::u8string utf8 = path.filename().u8string();
    const std::string name(utf8.begin(), utf8.end());
    std::error_code sizeError;
    const std::uintmax_t size = fs::file_size(path, sizeError);
    if (sizeError || size > kLargestSavedWork) {
      marks.skipped.push_back({name, sizeError ? "it cannot be read" : "it is too large to be saved work"});
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) {
      marks.skipped.push_back({name, "it cannot be read"});
      continue;
    }
    SavedWorkProblem problem;
    const auto work = DecodeSavedWork(bytes, &problem);
    if (!work) {
      marks.skipped.push_back({name, "not saved work: " + problem.what});
      continue;
    }
    marks.rows.push_back(MarksRowOf(*work, name));
    marks.exerciseColumns = std::max(marks.exerciseColumns, marks.rows.back().exerciseCount);
  }
  return marks;
}

std::string ClassMarksCsv(const ClassMarks& marks) {
  std::string csv = "\xEF\xBB\xBF";
  csv += "Name,Number,File";
  for (std::int32_t ex = 1; ex <= marks.exerciseColumns; ++ex) {
    csv += ",Ex " + std::to_string(ex) + " obtained,Ex " + std::to_string(ex) + " possible";
  }
  csv += ",Total obtained,Total possible\r\n";
  for (const ClassMarksRow& row : marks.rows) {
    csv += CsvField(row.name) + ',' + std::to_string(row.number) + ',' + CsvField(row.file);
    for (std::int32_t ex = 1; ex <= marks.exerciseColumns; ++ex) {
      if (ex <= row.exerciseCount) {
        csv += ',' + std::to_string(row.obtained[ex]) + ',' + std::to_string(row.possible[ex]);
      } else {
        csv += ",,";
      }
    }
    csv += ',' + std::to_string(row.totalObtained) + ',' + std::to_string(row.totalPossible) + "\r\n";
  }
  return csv;
}

}  // namespace crossmere
