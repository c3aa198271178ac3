#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "layer/string_lists.h"
#include "records/class_options.h"

namespace crossmere {

// Stands for "no name asked for"; a run under it never has fixed examples.
inline constexpr std::string_view kPlaceholderName = "znonamez";
inline constexpr std::size_t kMaxNameLength = 64;  // characters

struct StudentIdentity {
  std::string name;        // empty when the student gave a number
  std::int32_t number = 0;  // 1000..9999 once entered; 0 = none yet
  bool nameGiven = false;
  bool numberGiven = false;
  bool entered = false;
};

// The texts of the entry dialog's name field (item 11) and number field (12).
struct EntryFields {
  std::string name;
  std::string number;
};

// A name's student number, 1000..9999. Letters count without case; the
// digits 1..9 and ':' count; everything else (blanks, '0', punctuation) is
// skipped, so "Ann" and "ann 0" are the same student.
std::int32_t NameToNumber(std::string_view name);

// Checks one "OK" of an entry dialog. On success the identity is replaced and
// nullopt returned; on failure the identity is left as it was and the warning
// to show is returned. Either way the fields are left as the check leaves
// them (the name field emptied, a number typed as a name moved to the number
// field, both emptied when both were filled), since the dialog stays open
// showing them.
std::optional<std::string> AcceptIdentity(StudentIdentity& identity, EntryFields& fields,
                                          const ClassOptions& options,
                                          const StringLists& strings);

// The entry dialog to show at start-up: 410, 411, 412 or 413.
std::int32_t EntryDialogNumber(const ClassOptions& options);

// Whether an exercise's example is seeded from the student's number, so that
// the student (and the teacher, marking) meets it again.
bool ExamplesFixed(const StudentIdentity& identity, const ClassOptions& options,
                   bool trialRunning);

// The student as "Get Info" names them: the number alone when no name was
// given; otherwise the name, cut to `nameCharacters` with an ellipsis and
// isolated so that its writing direction cannot reorder the rest, then the
// number in brackets.
std::string IdentityLine(const StudentIdentity& identity, std::size_t nameCharacters);

// Whether dialog 785 tells the student the number their name gave.
bool ShowsNumberDialog(const StudentIdentity& identity, const ClassOptions& options);

}  // namespace crossmere
