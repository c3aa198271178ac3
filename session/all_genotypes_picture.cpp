#include "session/all_genotypes_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "genetics/genotype_classes.h"
#include "session/answers_file.h"

namespace crossmere {
namespace {

constexpr std::int32_t kLeft = 16;
constexpr std::int32_t kMapLeft = 150;
constexpr std::int32_t kMapTwoLoci = 260;
constexpr std::int32_t kMapThreeLoci = 300;
constexpr std::int32_t kKeyColumn = 150;
constexpr std::int32_t kKeyColumnWidth = 84;
constexpr std::size_t kStockPerLine = 4;

void TextAt(Drawing& drawing, std::int32_t x, std::int32_t y, std::string_view text) {
  drawing.MoveTo(x, y);
  drawing.DrawText(text);
}

void CentredAt(Drawing& drawing, std::int32_t x, std::int32_t y, std::string_view text) {
  TextAt(drawing, x - drawing.StringWidth(text) / 2, y, text);
}

// A horizontal map: ticks at the loci with their letters, each distance
// written above the middle of its stretch.
void DrawMap(Drawing& drawing, const GeneticsState& genetics, std::int32_t configuration, std::int32_t y) {
  const std::vector<std::int32_t> distances = MapDistances(genetics, configuration);
  if (distances.empty()) return;
  const std::vector<std::int32_t> loci = LociByPosition(genetics);
  std::vector<std::int32_t> ticks = {kMapLeft};
  std::vector<std::int32_t> letters;
  if (distances.size() == 1) {
    ticks.push_back(kMapLeft + kMapTwoLoci);
    const std::size_t j = configuration == 8 ? 1 : 0;
    letters = {loci[j], loci[j + 1]};
  } else {
    const std::int32_t sum = distances[0] + distances[1];
    const std::int32_t middle =
        sum > 0 ? static_cast<std::int32_t>(std::lround(kMapThreeLoci * distances[0] / double(sum))) : kMapThreeLoci / 2;
    ticks.push_back(kMapLeft + middle);
    ticks.push_back(kMapLeft + kMapThreeLoci);
    letters = loci;
  }
  drawing.MoveTo(ticks.front(), y);
  drawing.LineTo(ticks.back(), y);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    drawing.MoveTo(ticks[i], y - 6);
    drawing.LineTo(ticks[i], y + 6);
    CentredAt(drawing, ticks[i], y - 10, std::string(1, LocusLetter(genetics, letters[i])));
  }
  for (std::size_t i = 0; i < distances.size(); ++i) {
    CentredAt(drawing, (ticks[i] + ticks[i + 1]) / 2, y - 10, std::to_string(distances[i]) + " cM");
  }
}

}  // namespace

void DrawAllGenotypes(Drawing& drawing, const StringLists& strings, const SessionState& state) {
  const GeneticsState& genetics = state.genetics;
  const StudentIdentity& identity = state.identity;
  drawing.ClearItem();
  drawing.SetColour(0x000000);
  drawing.TextFont(4);
  drawing.TextSize(12);
  drawing.TextFace(1);
  std::int32_t y = 20;
  if (identity.nameGiven && identity.name != kPlaceholderName) TextAt(drawing, kLeft, y, identity.name);
  TextAt(drawing, 300, y, "Number:  " + std::to_string(identity.number));
  drawing.TextFace(0);
  y += 22;
  TextAt(drawing, kLeft, y, "Exercise No.  " + std::to_string(state.progress.current) + "   " + KindName(genetics.kind));
  const std::int32_t configuration = LociConfigurationOf(genetics);
  y += 20;
  TextAt(drawing, kLeft, y, strings.ListString(766, configuration));
  if (!MapDistances(genetics, configuration).empty()) {
    y += 44;
    DrawMap(drawing, genetics, configuration, y);
  }
  y += 34;
  const std::int32_t mother = genetics.objectClass[kFirstParentObject];
  const std::int32_t father = genetics.objectClass[kSecondParentObject];
  if (mother != 0 && father != 0) {
    TextAt(drawing, kLeft, y, "Parents:");
    TextAt(drawing, kKeyColumn, y, GenotypeText(genetics, mother) + "   x   " + GenotypeText(genetics, father));
    y += 30;
  }
  // The stock the exercise supplies, each genotype once.
  const ContainerRecord& storage = state.containers.Record(containers::kFirst);
  std::vector<std::string> stock;
  for (std::int32_t spot = 1; spot <= storage.count && spot <= containers::kCapacity; ++spot) {
    const std::int32_t classNumber = std::abs(storage.spots[static_cast<std::size_t>(spot)]);
    if (classNumber == 0) continue;
    const std::string text = GenotypeText(genetics, classNumber);
    if (std::find(stock.begin(), stock.end(), text) == stock.end()) stock.push_back(text);
  }
  for (std::size_t first = 0; first < stock.size(); first += kStockPerLine) {
    if (first == 0) TextAt(drawing, kLeft, y, storage.name.empty() ? "Storage:" : storage.name + ":");
    std::string line;
    for (std::size_t i = first; i < stock.size() && i < first + kStockPerLine; ++i) line += (i == first ? "" : ",   ") + stock[i];
    TextAt(drawing, kKeyColumn, y, line);
    y += 20;
  }
  if (!stock.empty()) y += 10;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    const std::vector<KeyColumn> columns = GenotypeKeyColumns(genetics, k);
    if (columns.back().male) {
      drawing.TextFace(2);
      TextAt(drawing, kKeyColumn, y, "Female");
      TextAt(drawing, kKeyColumn + 3 * kKeyColumnWidth, y, "Male");
      drawing.TextFace(0);
      y += 16;
    }
    drawing.TextFace(1);
    TextAt(drawing, kLeft, y, genetics.vocabulary.characters[static_cast<std::size_t>(genetics.loci[k].character)].name);
    drawing.TextFace(0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const std::int32_t x = kKeyColumn + static_cast<std::int32_t>(i) * kKeyColumnWidth;
      TextAt(drawing, x, y, columns[i].genotype);
      TextAt(drawing, x, y + 16, columns[i].phenotype);
    }
    y += 44;
  }
}

}  // namespace crossmere
