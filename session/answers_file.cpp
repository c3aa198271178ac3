#include "session/answers_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "genetics/genotype_classes.h"
#include "genetics/organisms.h"
#include "session/example_of.h"

namespace crossmere {
namespace {

constexpr std::int32_t kConfigurationList = 766;
constexpr std::int32_t kTwoLociWidth = 60;
constexpr std::int32_t kThreeLociWidth = 70;

std::string Spaces(std::int32_t count) { return std::string(static_cast<std::size_t>(std::max(count, 0)), ' '); }

std::string RightAligned(std::int32_t value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// The stretch of map between two letters: half the width before the
// distance, half after.
std::string Interval(std::int32_t width, std::int32_t distance) {
  return Spaces(width / 2 - 2) + RightAligned(distance, 2) + " cM" + Spaces(width / 2 - 3);
}

std::vector<std::string> MapLines(const GeneticsState& genetics, std::int32_t configuration) {
  const std::vector<std::int32_t> loci = LociByPosition(genetics);
  const std::vector<std::int32_t> distances = MapDistances(genetics, configuration);
  if (distances.size() == 1) {
    const std::size_t j = configuration == 8 ? 1 : 0;
    return {"  " + std::string(1, LocusLetter(genetics, loci[j])) + Interval(kTwoLociWidth, distances[0]) +
                std::string(1, LocusLetter(genetics, loci[j + 1])),
            "  +" + std::string(kTwoLociWidth, '-') + "+"};
  }
  if (distances.size() != 2) return {};
  const std::int32_t d1 = distances[0];
  const std::int32_t d2 = distances[1];
  const std::int32_t w1 = d1 + d2 > 0 ? static_cast<std::int32_t>(std::lround(kThreeLociWidth * d1 / double(d1 + d2)))
                                      : kThreeLociWidth / 2;
  const std::int32_t w2 = kThreeLociWidth - w1;
  return {"  " + std::string(1, LocusLetter(genetics, loci[0])) + Interval(w1, d1) +
              std::string(1, LocusLetter(genetics, loci[1])) + Interval(w2, d2) +
              std::string(1, LocusLetter(genetics, loci[2])),
          "  +" + std::string(static_cast<std::size_t>(w1), '-') + "+" + std::string(static_cast<std::size_t>(w2), '-') + "+"};
}

std::vector<std::string> GenotypeKey(const GeneticsState& genetics, std::int32_t k) {
  const LocusRule& locus = genetics.loci[k];
  const std::vector<KeyColumn> columns = GenotypeKeyColumns(genetics, k);
  const bool xLinked = columns.back().male;
  std::vector<std::string> lines;
  if (xLinked) lines.emplace_back("                                 Female                              Male");
  std::string genotypes = "Genotype:       ";
  std::string phenotypes =
      PaddedCharacterName(genetics.vocabulary.characters[static_cast<std::size_t>(locus.character)].name) + " ";
  for (const KeyColumn& column : columns) {
    const std::string cell = "      " + column.genotype + "      ";
    genotypes += cell;
    phenotypes += CentredText(column.phenotype, cell.size());
  }
  while (!phenotypes.empty() && phenotypes.back() == ' ') phenotypes.pop_back();
  lines.push_back(genotypes);
  lines.push_back(phenotypes);
  return lines;
}

}  // namespace

std::vector<KeyColumn> GenotypeKeyColumns(const GeneticsState& genetics, std::int32_t k) {
  const LocusRule& locus = genetics.loci[k];
  const bool xLinked = IsXLinked(genetics.locusPosition[k]) && !genetics.hermaphrodite;
  const auto phenotypeOf = [&](std::int32_t sum) -> std::string {
    if (locus.lethal && sum == 2 * locus.dominantAllele) return "-";
    const std::int32_t value = locus.phenotype[static_cast<std::size_t>(sum)];
    return genetics.vocabulary.characters[static_cast<std::size_t>(locus.character)]
        .phenotypes[static_cast<std::size_t>(value - 1)];
  };
  std::vector<KeyColumn> columns;
  for (std::int32_t sum = 0; sum <= 2; ++sum) {
    columns.push_back({locus.femaleText[static_cast<std::size_t>(sum)], phenotypeOf(sum), false});
  }
  if (xLinked) {
    // A male carries one X: his allele counts twice.
    for (const std::int32_t sum : {0, 2}) {
      columns.push_back({locus.maleText[static_cast<std::size_t>(sum)], phenotypeOf(sum), true});
    }
  }
  return columns;
}

std::int32_t LociConfiguration(const std::vector<std::int32_t>& p) {
  if (p.size() <= 1) return 1;
  if (p.size() == 2) {
    if (p[1] - p[0] == 3) return 2;
    return p[0] == 2 ? 3 : 4;
  }
  if (p[2] - p[0] == 2) return p[0] == 2 ? 5 : 6;
  if (p[1] - p[0] == 1) return p[2] == 5 ? 7 : 9;
  if (p[2] - p[1] == 1) return 8;
  return p[0] == 2 ? 10 : 11;
}

std::vector<std::int32_t> LociByPosition(const GeneticsState& genetics) {
  std::vector<std::int32_t> loci;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) loci.push_back(k);
  std::stable_sort(loci.begin(), loci.end(), [&genetics](std::int32_t a, std::int32_t b) {
    return genetics.locusPosition[static_cast<std::size_t>(a)] < genetics.locusPosition[static_cast<std::size_t>(b)];
  });
  return loci;
}

std::int32_t LociConfigurationOf(const GeneticsState& genetics) {
  std::vector<std::int32_t> positions;
  for (const std::int32_t k : LociByPosition(genetics)) positions.push_back(genetics.locusPosition[static_cast<std::size_t>(k)]);
  return LociConfiguration(positions);
}

std::vector<std::int32_t> MapDistances(const GeneticsState& genetics, std::int32_t configuration) {
  const auto after = [&genetics](std::size_t position) { return genetics.intervalDistance[position]; };
  switch (configuration) {
    case 3:
    case 7: return {after(2)};
    case 4:
    case 8:
    case 9: return {after(5)};
    case 5: return {after(2), after(3)};
    case 6: return {after(5), after(6)};
    default: return {};
  }
}

char LocusLetter(const GeneticsState& genetics, std::int32_t k) {
  const std::string symbol = LocusSymbol(genetics, k);
  return symbol.empty() ? '?' : static_cast<char>(std::tolower(static_cast<unsigned char>(symbol[0])));
}

std::string KindName(std::int32_t kind) {
  switch (kind) {
    case kDinosaurDog: return "Dinosaur dog";
    case kMonkbear: return "Monkbear";
    case kFly: return "Fly";
    case kPlant: return "Plant";
    default: return "";
  }
}

std::vector<std::string> ExerciseAnswerLines(const StringLists& strings, const SessionState& example,
                                             std::int32_t exercise) {
  const GeneticsState& genetics = example.genetics;
  const std::int32_t configuration = LociConfigurationOf(genetics);
  std::vector<std::string> lines = {"", "Exercise No. " + RightAligned(exercise, 2),
                                    "Organism:  " + KindName(genetics.kind), "", "",
                                    strings.ListString(kConfigurationList, configuration)};
  for (std::string& line : MapLines(genetics, configuration)) lines.push_back(std::move(line));
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    for (std::string& line : GenotypeKey(genetics, k)) lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> StudentAnswerLines(const StringLists& strings, const StudentIdentity& identity,
                                            bool trialRunning, const std::array<bool, kSlotCount + 1>& nominated,
                                            const GeneSymbolChoices& geneSymbols) {
  std::vector<std::string> lines = {"", "", "$"};
  if (trialRunning) {
    lines.push_back(strings.ListString(600, 1));
  } else {
    if (identity.nameGiven) lines.push_back("Name:  " + identity.name);
    if (identity.numberGiven) lines.push_back("Number:  " + RightAligned(identity.number, 6));
  }
  lines.emplace_back();
  for (std::int32_t k = 1; k <= kSlotCount; ++k) {
    if (!nominated[static_cast<std::size_t>(k)]) continue;
    const SessionState example = RecreateExample(strings, identity.number, kAdvancedSet, k, geneSymbols);
    for (std::string& line : ExerciseAnswerLines(strings, example, k)) lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> AnswersFileHeader(const ClassOptions& options) {
  if (!options.RandomStart() && (!options.CustomEntryScreen() || options.ShowName())) return {};
  return {"Examples are not fixed by the student's name or number in this class set-up: these answers may not "
          "match what the student saw."};
}

}  // namespace crossmere
