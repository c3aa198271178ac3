#include "tutor/chi_square_calculator.h"

#include <algorithm>
#include <vector>

#include "layer/number_text.h"
#include "statistics/chi_square.h"
#include "statistics/fit_chart.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace chi_square_window;

constexpr std::int32_t kTexts = 370;
constexpr std::int32_t kObservedKey = 1;
constexpr std::int32_t kExpectedKey = 2;
constexpr std::int32_t kFirstStep = 11;  // "Step 2" .. "Step 4" and the column headings: 11..16
constexpr std::int32_t kLastHeading = 16;
constexpr std::int32_t kChiCaption = 83;
constexpr std::int32_t kDegreesCaption = 84;
// The table's rows stand 65 apart; the total row moves up by a row for
// each class the ratio has fewer than four.
constexpr std::int32_t kRowSpacing = 65;
constexpr std::int32_t kTotalLabelTop = 388;
constexpr std::int32_t kTotalObservedTop = 390;
constexpr std::int32_t kTotalExpectedTop = 392;
constexpr std::int64_t kLargestTotal = 100'000'000;

std::vector<std::int32_t> RatioButtons() {
  return {kFirstOneLocusRatio, kFirstOneLocusRatio + 1, kFirstOneLocusRatio + 2,
          kFirstTwoLociRatio,  kFirstTwoLociRatio + 1,  kFirstTwoLociRatio + 2};
}

std::int32_t RatioOfButton(std::int32_t item) {
  const std::int32_t number = item - 30;
  return number > 10 ? number - 7 : number;
}

// The ratio whose button is checked and shown; 0 for none.
std::int32_t ChosenRatio(WindowService& service) {
  for (const std::int32_t item : RatioButtons()) {
    if (service.ItemVisible(kWindow, item) && service.ItemChecked(kWindow, item)) return RatioOfButton(item);
  }
  return 0;
}

// Everything a calculation shows: the totals, the expected numbers, chi
// and its degrees of freedom, and the picture of the fit.
void HideResults(WindowService& service) {
  for (const std::int32_t item : {kTotalLabel, kTotalObserved, kTotalExpected, kChi, kDegreesOfFreedom, kChiCaption,
                                  kDegreesCaption, kFitChart}) {
    service.ItemShow(kWindow, item, false);
  }
  for (std::int32_t k = 0; k < kMaxRatioClasses; ++k) service.ItemShow(kWindow, kFirstExpected + k, false);
}

void EmptyObservedFields(WindowService& service) {
  for (std::int32_t k = 0; k < kMaxRatioClasses; ++k) service.SetItemText(kWindow, kFirstObserved + k, "");
}

void HideTable(WindowService& service) {
  HideResults(service);
  for (std::int32_t item = kFirstStep + 1; item <= kLastHeading; ++item) service.ItemShow(kWindow, item, false);
  for (std::int32_t k = 0; k < kMaxRatioClasses; ++k) {
    service.ItemShow(kWindow, kFirstObserved + k, false);
    service.ItemShow(kWindow, kFirstPart + k, false);
  }
}

void Clear(WindowService& service) {
  EmptyObservedFields(service);
  HideTable(service);
  service.ItemShow(kWindow, kFirstStep, false);
  for (const std::int32_t item : RatioButtons()) {
    service.SetItemValue(kWindow, item, 0);
    service.ItemShow(kWindow, item, false);
  }
  service.SetItemValue(kWindow, kOneLocus, 0);
  service.SetItemValue(kWindow, kTwoLoci, 0);
  service.ItemShow(kWindow, kCalculate, false);
}

void ChooseLoci(WindowService& service, bool twoLoci) {
  service.ItemShow(kWindow, kFirstStep, true);
  HideTable(service);
  for (const std::int32_t item : RatioButtons()) {
    const bool shown = (item >= kFirstTwoLociRatio) == twoLoci;
    if (!shown) service.SetItemValue(kWindow, item, 0);
    service.ItemShow(kWindow, item, shown);
  }
}

void ChooseRatio(WindowService& service, std::int32_t ratioNumber) {
  const MendelianRatio& ratio = StandardRatio(ratioNumber);
  service.ItemShow(kWindow, kCalculate, true);
  HideResults(service);
  EmptyObservedFields(service);
  for (std::int32_t item = kFirstStep + 1; item <= kLastHeading; ++item) service.ItemShow(kWindow, item, true);
  for (std::int32_t k = 0; k < kMaxRatioClasses; ++k) {
    const bool used = k < ratio.classes;
    if (used) service.SetItemText(kWindow, kFirstPart + k, std::to_string(ratio.parts[static_cast<std::size_t>(k)]));
    service.ItemShow(kWindow, kFirstObserved + k, used);
    service.ItemShow(kWindow, kFirstPart + k, used);
  }
}

void MoveTo(WindowService& service, std::int32_t item, std::int32_t top) {
  service.ItemPlace(kWindow, item, top, service.ItemRect(kWindow, item).left);
}

void Calculate(Session& session) {
  WindowService& service = session.service;
  const std::int32_t ratioNumber = ChosenRatio(service);
  if (ratioNumber == 0) return;
  const MendelianRatio& ratio = StandardRatio(ratioNumber);
  // A field left empty, not a number or below 0 counts as none observed.
  std::vector<std::int32_t> observed;
  std::vector<bool> given;
  for (std::int32_t k = 0; k < ratio.classes; ++k) {
    const std::string text = service.ItemText(kWindow, kFirstObserved + k);
    observed.push_back(std::max(ParseWholeNumber(text).value_or(0), 0));
    given.push_back(ParseWholeNumber(text).has_value());
  }
  std::int64_t sum = 0;
  for (const std::int32_t o : observed) sum += o;
  // Nothing to test: whatever an earlier calculation showed goes.
  if (sum < 1 || sum > kLargestTotal) {
    HideResults(service);
    return;
  }
  const auto total = static_cast<std::int32_t>(sum);

  const std::vector<double> expected = ExpectedNumbers(total, ratio.Parts());
  const ChiSquareResult result = ChiSquare(observed, expected);
  const std::int32_t missing = kMaxRatioClasses - ratio.classes;
  MoveTo(service, kTotalLabel, kTotalLabelTop - kRowSpacing * missing);
  MoveTo(service, kTotalObserved, kTotalObservedTop - kRowSpacing * missing);
  MoveTo(service, kTotalExpected, kTotalExpectedTop - kRowSpacing * missing);
  std::vector<FitRow> rows;
  const std::int32_t chartTop = service.ItemRect(kWindow, kFitChart).top;
  for (std::int32_t k = 0; k < ratio.classes; ++k) {
    const auto at = static_cast<std::size_t>(k);
    service.SetItemText(kWindow, kFirstExpected + k, RealToText(expected[at], 1));
    service.ItemShow(kWindow, kFirstExpected + k, true);
    FitRow& row = rows.emplace_back();
    row.top = service.ItemRect(kWindow, kFirstObserved + k).top - chartTop;
    if (given[at]) row.observed = observed[at];
    row.expected = expected[at];
  }
  service.SetItemText(kWindow, kChi, RealToText(result.chi, 1));
  service.SetItemText(kWindow, kDegreesOfFreedom, std::to_string(result.degreesOfFreedom));
  service.SetItemText(kWindow, kTotalObserved, std::to_string(total));
  service.SetItemText(kWindow, kTotalExpected, RealToText(total, 1));
  for (const std::int32_t item : {kTotalLabel, kTotalObserved, kTotalExpected, kChi, kDegreesOfFreedom, kChiCaption,
                                  kDegreesCaption, kFitChart}) {
    service.ItemShow(kWindow, item, true);
  }
  const ServiceRect chart = service.ItemRect(kWindow, kFitChart);
  service.ItemSelect(kWindow, kFitChart);
  service.SetLocalCoordinates(true);
  const FitKey key{session.strings.ListString(kTexts, kObservedKey), session.strings.ListString(kTexts, kExpectedKey)};
  DrawFitChart(*service.ItemDrawing(), chart.right - chart.left, chart.bottom - chart.top, key, rows);
}

}  // namespace

void OpenChiSquareCalculator(Session& session) {
  WindowService& service = session.service;
  if (!service.WindowExists(kWindow)) {
    service.WindowOpen(kWindow, 1);
    CentreOnLayout(service, kWindow, session.startup.layout);
    Clear(service);
  }
  service.WindowShow(kWindow);
}

bool ChiSquareCalculatorEvent(Session& session, std::int32_t window, std::int32_t item) {
  if (window != kWindow) return false;
  WindowService& service = session.service;
  if (item == kDone) {
    service.WindowRelease(kWindow);
  } else if (item == kClear) {
    Clear(service);
  } else if (item == kOneLocus || item == kTwoLoci) {
    ChooseLoci(service, item == kTwoLoci);
  } else if ((item >= kFirstOneLocusRatio && item < kFirstOneLocusRatio + 3) ||
             (item >= kFirstTwoLociRatio && item < kFirstTwoLociRatio + 3)) {
    ChooseRatio(service, RatioOfButton(item));
  } else if (item == kCalculate) {
    Calculate(session);
  }
  return true;
}

}  // namespace crossmere
