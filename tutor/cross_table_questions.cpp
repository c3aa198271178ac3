// "Expected genotypes" and "Expected phenotypes" (types 21 and 22): the
// ratios expected from each of the six listed crosses, chosen box by box.

#include <algorithm>

#include "exercises/cross_table_check.h"
#include "exercises/question_types.h"
#include "tutor/listed_crosses.h"
#include "tutor/question_families.h"
#include "tutor/question_framework.h"
#include "tutor/question_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kTexts = 524;
enum Text : std::int32_t {
  kListFirst = 1,
  kGenotypesInstruction = 2,
  kPhenotypesInstruction = 3,
  kShowRatio = 4,
  kUseAll = 5,
  kSexesApart = 6,
  kReorderExplained = 7,
  kFemale = 8,
  kMale = 9,
  kReorderButton = 10,
  kAllRight = 25,
  kAnswersShown = 26,
  kAll = 27,
};

constexpr std::int32_t kPhenotypesType = 22;
constexpr std::int32_t kFirstCross = 601;
constexpr std::int32_t kFirstBox = 611;     // row r, column c: 611 + 10 r + c
constexpr std::int32_t kFirstAnswer = 711;  // under each box
constexpr std::int32_t kFirstColumn = 671;
constexpr std::int32_t kFemaleHeading = 681;
constexpr std::int32_t kMaleHeading = 682;
constexpr std::int32_t kReorder = 31;
constexpr std::int32_t kMaxColumns = 5;
constexpr std::int32_t kColumnPitch = 70;
constexpr std::int32_t kFullMarks = 6;

// The pull-downs' entries: "?", blank, "all", then the ratio numbers from 1.
constexpr std::int32_t kUnanswered = 1;
constexpr std::int32_t kBlankEntry = 2;
constexpr std::int32_t kAllEntry = 3;
constexpr std::int32_t kFirstNumberEntry = 4;

std::string Text(const Session& session, std::int32_t index) { return session.strings.ListString(kTexts, index); }

std::int32_t Window(const Session& session, std::int32_t q) { return QuestionWindowOf(QuestionType(session, q)); }

bool Phenotypes(const Session& session, std::int32_t q) { return QuestionType(session, q) == kPhenotypesType; }

std::vector<TableColumn> Columns(const Session& session, std::int32_t q) {
  const TableLocus locus = TableLocusOf(session);
  return Phenotypes(session, q) ? PhenotypeColumns(locus) : GenotypeColumns(locus);
}

std::int32_t Box(std::int32_t row, std::int32_t column) { return kFirstBox + 10 * row + column; }

std::string ColumnName(const Session& session, std::int32_t q, const TableColumn& column) {
  if (Phenotypes(session, q)) return FormName(session, column.value);
  const LocusRule& locus = session.genetics.loci[1];
  return (column.sex == 1 ? locus.maleText : locus.femaleText)[static_cast<std::size_t>(column.value)];
}

std::string BoxText(const Session& session, std::int32_t value) {
  if (value == kAllOfThem) return Text(session, kAll);
  return value == 0 ? "blank" : std::to_string(value);
}

void PlaceHeading(WindowService& service, std::int32_t window, std::int32_t item, std::int32_t column) {
  service.ItemPlace(window, item, service.ItemRect(window, item).top,
                    service.ItemRect(window, kFirstColumn).left + column * kColumnPitch);
}

// The rows of the listed crosses, every box back at "?".
void FillRows(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const std::vector<TableColumn> columns = Columns(session, q);
  const std::vector<ListedCross>& crosses = ListedCrosses(session).crosses;
  const auto used = static_cast<std::int32_t>(columns.size());
  for (std::int32_t c = 0; c < kMaxColumns; ++c) {
    if (c < used) service.SetItemText(window, kFirstColumn + c, ColumnName(session, q, columns[static_cast<std::size_t>(c)]));
    service.ItemShow(window, kFirstColumn + c, c < used);
  }
  const bool sexes = TableLocusOf(session).sexLinked;
  service.ItemShow(window, kFemaleHeading, sexes);
  service.ItemShow(window, kMaleHeading, sexes);
  if (sexes) {
    service.SetItemText(window, kFemaleHeading, Text(session, kFemale));
    service.SetItemText(window, kMaleHeading, Text(session, kMale));
    const auto firstMale = std::find_if(columns.begin(), columns.end(), [](const TableColumn& c) { return c.sex == 1; });
    PlaceHeading(service, window, kMaleHeading, static_cast<std::int32_t>(firstMale - columns.begin()));
  }
  for (std::int32_t r = 0; r < kAllCrosses; ++r) {
    const bool listed = r < static_cast<std::int32_t>(crosses.size());
    if (listed) service.SetItemText(window, kFirstCross + r, CrossText(session, crosses[static_cast<std::size_t>(r)]));
    service.ItemShow(window, kFirstCross + r, listed);
    for (std::int32_t c = 0; c < kMaxColumns; ++c) {
      const bool shown = listed && c < used;
      if (shown) {
        service.SetItemValue(window, Box(r, c), kUnanswered);
        service.ItemEnable(window, Box(r, c));
      }
      service.ItemShow(window, Box(r, c), shown);
      service.ItemHide(window, kFirstAnswer + 10 * r + c);
    }
  }
}

void SetUp(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  service.SetItemText(window, kReorder, Text(session, kReorderButton));
  if (!ListedCrosses(session).complete) {
    for (const std::int32_t item : {kReorder, kFemaleHeading, kMaleHeading}) {
      service.ItemHide(window, item);
    }
    for (std::int32_t c = 0; c < kMaxColumns; ++c) service.ItemHide(window, kFirstColumn + c);
    for (std::int32_t r = 0; r < kAllCrosses; ++r) {
      service.ItemHide(window, kFirstCross + r);
      for (std::int32_t c = 0; c < kMaxColumns; ++c) {
        service.ItemHide(window, Box(r, c));
        service.ItemHide(window, kFirstAnswer + 10 * r + c);
      }
    }
    RefuseSetUp(session, q, Text(session, kListFirst));
    return;
  }
  service.SetItemText(window, question_window::kInstruction,
                      Text(session, Phenotypes(session, q) ? kPhenotypesInstruction : kGenotypesInstruction));
  service.ItemShow(window, kReorder);
  FillRows(session, q);
}

// Sorted, the rows start afresh: ratios already chosen are not carried along.
void ItemEvent(Session& session, std::int32_t q, std::int32_t item) {
  if (item != kReorder || session.questionState.records[q].completed) return;
  SortCrosses(ListedCrosses(session).crosses, TableLocusOf(session));
  FillRows(session, q);
}

TableBox ChosenBox(WindowService& service, std::int32_t window, std::int32_t item) {
  service.ItemSelect(window, item);
  const std::int32_t entry = service.GetControlValue();
  if (entry == kBlankEntry) return 0;
  if (entry == kAllEntry) return kAllOfThem;
  if (entry >= kFirstNumberEntry) return entry - kFirstNumberEntry + 1;
  return std::nullopt;
}

// A mark for each cross whose boxes are all right.
void MarkAnswer(Session& session, std::int32_t q) {
  WindowService& service = session.service;
  const std::int32_t window = Window(session, q);
  const TableLocus locus = TableLocusOf(session);
  const std::vector<TableColumn> columns = Columns(session, q);
  const std::vector<ListedCross>& crosses = ListedCrosses(session).crosses;
  std::vector<std::vector<TableBox>> boxes(crosses.size());
  for (std::size_t r = 0; r < crosses.size(); ++r) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      boxes[r].push_back(ChosenBox(service, window, Box(static_cast<std::int32_t>(r), static_cast<std::int32_t>(c))));
      service.ItemDisable(window, Box(static_cast<std::int32_t>(r), static_cast<std::int32_t>(c)));
    }
  }
  service.ItemHide(window, kReorder);
  const std::vector<bool> right = RowsRight(locus, crosses, columns, Phenotypes(session, q), boxes);
  const auto wrong = static_cast<std::int32_t>(std::count(right.begin(), right.end(), false));
  session.questionState.records[q].mark = std::max(kFullMarks - wrong, 0);
  if (wrong == 0) {
    ShowGood(session, Text(session, kAllRight));
    return;
  }
  const bool answersShown = !session.classOptions.NoAnswers();
  ShowBad(session, answersShown ? Text(session, kAnswersShown) : std::string{});
  if (!answersShown) return;
  for (std::size_t r = 0; r < crosses.size(); ++r) {
    if (right[r]) continue;
    const std::vector<std::int32_t> expected = ExpectedBoxes(locus, crosses[r], columns, Phenotypes(session, q));
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::int32_t item = kFirstAnswer + 10 * static_cast<std::int32_t>(r) + static_cast<std::int32_t>(c);
      service.SetItemText(window, item, BoxText(session, expected[c]));
      service.SetItemTextColour(window, item,
                                boxes[r][c] == expected[c] ? question_window::kGoodColour : question_window::kBadColour);
      service.ItemShow(window, item);
    }
  }
}

std::string Explanation(Session& session, std::int32_t) {
  std::string text = Text(session, kShowRatio) + "\n\n" + Text(session, kUseAll);
  if (TableLocusOf(session).sexLinked) text += "\n\n" + Text(session, kSexesApart);
  return text + "\n\n" + Text(session, kReorderExplained);
}

}  // namespace

const QuestionFamily kCrossTableFamily{
    .setUp = SetUp,
    .markAnswer = MarkAnswer,
    .itemEvent = ItemEvent,
    .explanation = Explanation,
};

}  // namespace crossmere
