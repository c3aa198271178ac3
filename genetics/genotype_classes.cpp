#include "genetics/genotype_classes.h"

#include <algorithm>
#include <string_view>

namespace crossmere {
namespace {

std::string Join(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

bool IsNarrow(const std::string& symbol) {
  return symbol == "i" || symbol == "l" || symbol == "I" || symbol == "L";
}

// Alleles of the exercise loci in a class, a (haplotype 1) and b (haplotype 2).
void AllelesOf(std::int32_t classNumber, std::int32_t& s, std::array<std::int32_t, 4>& a,
               std::array<std::int32_t, 4>& b) {
  const std::int32_t bits = classNumber - 1;
  s = bits & 1;
  for (std::int32_t k = 1; k <= 3; ++k) {
    a[k] = (bits >> (2 * k - 1)) & 1;
    b[k] = (bits >> (2 * k)) & 1;
  }
}

// Groups of loci that travel together; loci in different groups assort
// independently, so the phase between them carries no information.
std::array<std::int32_t, 4> LinkageGroups(const GeneticsState& g) {
  std::array<std::int32_t, 4> group{0, 1, 2, 3};
  if (!g.unlinked12) group[2] = group[1];
  if (!g.unlinked13) group[3] = group[1];
  if (!g.unlinked23) group[3] = group[2];
  return group;
}

void BuildEquivalence(GeneticsState& g) {
  const auto group = LinkageGroups(g);
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    std::int32_t s = 0;
    std::array<std::int32_t, 4> a{}, b{};
    AllelesOf(c, s, a, b);
    std::int32_t best = c;
    // Swap the two haplotypes within any combination of linkage groups.
    for (std::int32_t mask = 1; mask < 8; ++mask) {
      auto va = a;
      auto vb = b;
      for (std::int32_t k = 1; k <= g.lociCount; ++k) {
        if (mask & (1 << (group[k] - 1))) std::swap(va[k], vb[k]);
      }
      best = std::min(best, ClassNumberOf(s, va, vb));
    }
    g.genotypeEquivalence[c] = static_cast<std::uint8_t>(best);
  }
}

}  // namespace

std::int32_t ClassNumberOf(std::int32_t s, const std::array<std::int32_t, 4>& a,
                           const std::array<std::int32_t, 4>& b) {
  return s + 2 * a[1] + 4 * b[1] + 8 * a[2] + 16 * b[2] + 32 * a[3] + 64 * b[3] + 1;
}

std::int32_t ClassIndexOf(std::int32_t s, const std::array<std::int32_t, 4>& a,
                          const std::array<std::int32_t, 4>& b) {
  return 64 * s + 32 * a[1] + 16 * a[2] + 8 * a[3] + 4 * b[1] + 2 * b[2] + b[3];
}

std::int32_t LocusPhenotype(const GeneticsState& g, std::int32_t classNumber, std::int32_t k) {
  const Genotype& genotype = g.classes[classNumber];
  return g.loci[k].phenotype[genotype.Sum(g.locusPosition[k])];
}

std::array<std::int32_t, kMaxCharacter + 1> CharacterValuesOf(const GeneticsState& g,
                                                              std::int32_t classNumber) {
  auto values = g.backgroundValues;
  for (std::int32_t k = 0; k <= g.lociCount; ++k) {
    values[g.loci[k].character] = LocusPhenotype(g, classNumber, k);
  }
  return values;
}

std::string ClassDescription(const GeneticsState& g, std::int32_t classNumber) {
  std::string text;
  if (!g.hermaphrodite && !g.hiddenSex) text = g.classes[classNumber].Sex() == 1 ? "Male" : "Female";
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    const CharacterTexts& words = g.vocabulary.characters[g.loci[k].character];
    if (!text.empty()) text += "; ";
    text += words.name + ": " + words.phenotypes[LocusPhenotype(g, classNumber, k) - 1];
  }
  return text;
}

bool ClassInExample(const GeneticsState& genetics, std::int32_t classNumber) {
  if (classNumber < 1 || classNumber > kClassCount) return false;
  std::int32_t bits = classNumber - 1;
  if (genetics.lociCount < 3 && bits >= kStockMark) bits -= kStockMark;
  if (bits >= (1 << (2 * genetics.lociCount + 1))) return false;
  std::int32_t s = 0;
  std::array<std::int32_t, 4> a{}, b{};
  AllelesOf(classNumber, s, a, b);
  if (s == 1 && genetics.hermaphrodite) return false;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    if (s == 1 && IsXLinked(genetics.locusPosition[k]) && a[k] != b[k]) return false;
  }
  return !IsLethalClass(genetics, classNumber);
}

bool IsLethalClass(const GeneticsState& g, std::int32_t classNumber) {
  const Genotype& genotype = g.classes[classNumber];
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    const LocusRule& locus = g.loci[k];
    if (locus.lethal && genotype.Sum(g.locusPosition[k]) == 2 * locus.dominantAllele) return true;
  }
  return false;
}

std::string LocusSymbol(const GeneticsState& genetics, std::int32_t k) {
  const LocusRule& locus = genetics.loci[k];
  if (locus.symbol[0] == "+") return locus.symbol[1];
  if (locus.symbol[1] == "+") return locus.symbol[0];
  return locus.symbol[static_cast<std::size_t>(locus.dominantAllele)];
}

void BuildGenotypeTexts(GeneticsState& g) {
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    LocusRule& locus = g.loci[k];
    const std::int32_t c = locus.character;
    const bool upperFirst = locus.phenotype[1] == 1 ||
                            (locus.phenotype[1] == 2 && g.kind == kDinosaurDog && c == 3);
    const char zero = g.wildNotation ? '+' : upperFirst ? g.upperSymbol[c] : g.lowerSymbol[c];
    const char one = upperFirst ? g.lowerSymbol[c] : g.upperSymbol[c];
    locus.symbol[0].assign(1, zero);
    locus.symbol[1].assign(1, one);

    const std::string& s0 = locus.symbol[0];
    const std::string& s1 = locus.symbol[1];
    const std::string gap = IsNarrow(s0) ? " " : "";
    const bool zeroFirst = (s0 < s1) != (s0 == "+" || s1 == "+");
    locus.femaleText = {Join({s0, gap, s0}), zeroFirst ? Join({s0, gap, s1}) : Join({s1, gap, s0}),
                        Join({s1, gap, s1})};
    if (IsXLinked(g.locusPosition[k])) {
      locus.maleText = {Join({s0, gap, g.ySymbol}), "**", Join({s1, gap, g.ySymbol})};
    } else {
      locus.maleText = locus.femaleText;
    }
  }
}

void BuildGenotypeClasses(GeneticsState& g) {
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    std::int32_t s = 0;
    std::array<std::int32_t, 4> a{}, b{};
    AllelesOf(c, s, a, b);
    Genotype genotype;
    genotype.hap2[1] = static_cast<std::uint8_t>(s);
    for (std::int32_t k = 1; k <= 3; ++k) {
      genotype.hap1[g.locusPosition[k]] = static_cast<std::uint8_t>(a[k]);
      genotype.hap2[g.locusPosition[k]] = static_cast<std::uint8_t>(b[k]);
    }
    g.classes[c] = genotype;
    g.classIndexTable[ClassIndexOf(s, a, b)] = static_cast<std::uint8_t>(c);
  }

  g.classPictureBuilt.fill(false);
  const std::int32_t firstLocus = g.hiddenSex ? 1 : 0;
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    std::int32_t v = 0;
    for (std::int32_t k = firstLocus; k <= g.lociCount; ++k) v = 3 * v + LocusPhenotype(g, c, k) - 1;
    g.phenotypeClassNumber[c] = static_cast<std::uint8_t>(v);
  }
  BuildEquivalence(g);
  BuildGenotypeTexts(g);
}

std::string GenotypeText(const GeneticsState& g, std::int32_t classNumber) {
  const Genotype& genotype = g.classes[classNumber];
  std::string text;
  for (std::int32_t k = 1; k <= g.lociCount; ++k) {
    const LocusRule& locus = g.loci[k];
    const std::int32_t sum = genotype.Sum(g.locusPosition[k]);
    if (!text.empty()) text += ' ';
    text += genotype.Sex() == 1 ? locus.maleText[sum] : locus.femaleText[sum];
  }
  return text;
}

std::optional<std::string> GeneSymbolProblem(char symbol) {
  const auto byte = static_cast<unsigned char>(symbol);
  if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')) return std::nullopt;
  return std::string(1, symbol) + " is not a valid gene symbol";
}

}  // namespace crossmere
