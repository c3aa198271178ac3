#include "statistics/mendelian_expectation.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "genetics/genotype_classes.h"

namespace crossmere {
namespace {

bool Viable(const LocusRule& locus, std::int32_t alleleSum) {
  return !locus.lethal || alleleSum != 2 * locus.dominantAllele;
}

// Every combination of one form per studied locus, the first locus outermost.
std::vector<std::vector<std::int32_t>> Combinations(const GeneticsState& genetics,
                                                    const std::vector<std::int32_t>& loci) {
  std::vector<std::vector<std::int32_t>> rows{{}};
  for (const std::int32_t k : loci) {
    std::vector<std::vector<std::int32_t>> longer;
    for (const auto& row : rows) {
      for (const std::int32_t value : FormsOfLocus(genetics, k)) {
        longer.push_back(row);
        longer.back().push_back(value);
      }
    }
    rows = std::move(longer);
  }
  return rows;
}

bool Shows(const GeneticsState& genetics, std::int32_t classNumber, const std::vector<std::int32_t>& loci,
           const std::vector<std::int32_t>& values) {
  for (std::size_t i = 0; i < loci.size(); ++i) {
    if (LocusPhenotype(genetics, classNumber, loci[i]) != values[i]) return false;
  }
  return true;
}

// The two sexes segregate alike when their counts are in proportion.
bool Proportional(const std::vector<std::int64_t>& a, const std::vector<std::int64_t>& b) {
  const std::int64_t sumA = std::accumulate(a.begin(), a.end(), std::int64_t{0});
  const std::int64_t sumB = std::accumulate(b.begin(), b.end(), std::int64_t{0});
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] * sumB != b[i] * sumA) return false;
  }
  return true;
}

std::int32_t ClassesSeen(const std::vector<std::int64_t>& counts) {
  return static_cast<std::int32_t>(std::count_if(counts.begin(), counts.end(), [](std::int64_t n) { return n > 0; }));
}

}  // namespace

std::vector<std::int32_t> FormsOfLocus(const GeneticsState& genetics, std::int32_t k) {
  const LocusRule& locus = genetics.loci[k];
  const std::array<std::int32_t, 3> sums =
      locus.dominantAllele == 1 ? std::array<std::int32_t, 3>{2, 1, 0} : std::array<std::int32_t, 3>{0, 1, 2};
  std::vector<std::int32_t> forms;
  for (const std::int32_t sum : sums) {
    const std::int32_t value = locus.phenotype[static_cast<std::size_t>(sum)];
    if (Viable(locus, sum) && std::find(forms.begin(), forms.end(), value) == forms.end()) forms.push_back(value);
  }
  return forms;
}

ClassCounts MendelianOffspring(const GeneticsState& genetics, std::int32_t firstParentClass,
                               std::int32_t secondParentClass) {
  // The mother gives the first haplotype, as in the breeding itself.
  if (!genetics.hermaphrodite && genetics.classes[firstParentClass].Sex() == 1 &&
      genetics.classes[secondParentClass].Sex() == 0) {
    std::swap(firstParentClass, secondParentClass);
  }
  const Genotype& mother = genetics.classes[firstParentClass];
  const Genotype& father = genetics.classes[secondParentClass];
  ClassCounts weights{};
  // Bit 0 picks the father's sex homolog; bits 2k-1 and 2k the homologs each
  // parent gives at locus k: every choice equally likely.
  const std::int32_t choices = 1 << (2 * genetics.lociCount + 1);
  for (std::int32_t bits = 0; bits < choices; ++bits) {
    const std::int32_t sex = (bits & 1) == 0 ? father.hap1[1] : father.hap2[1];
    std::array<std::int32_t, 4> a{}, b{};
    bool dies = false;
    for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
      const std::int32_t position = genetics.locusPosition[k];
      a[k] = ((bits >> (2 * k - 1)) & 1) == 0 ? mother.hap1[position] : mother.hap2[position];
      b[k] = ((bits >> (2 * k)) & 1) == 0 ? father.hap1[position] : father.hap2[position];
      // A male shows his mother's X, stored doubled.
      if (sex == 1 && IsXLinked(position)) b[k] = a[k];
      if (!Viable(genetics.loci[k], a[k] + b[k])) dies = true;
    }
    if (!dies) ++weights[genetics.classIndexTable[static_cast<std::size_t>(ClassIndexOf(sex, a, b))]];
  }
  return weights;
}

ExpectedPhenotypes ExpectPhenotypes(const GeneticsState& genetics, std::int32_t firstParentClass,
                                    std::int32_t secondParentClass, const std::vector<std::int32_t>& loci) {
  ExpectedPhenotypes expected;
  const std::vector<std::vector<std::int32_t>> combinations = Combinations(genetics, loci);
  const ClassCounts weights = MendelianOffspring(genetics, firstParentClass, secondParentClass);
  std::array<std::vector<std::int64_t>, 2> bySex{std::vector<std::int64_t>(combinations.size()),
                                                 std::vector<std::int64_t>(combinations.size())};
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    if (weights[static_cast<std::size_t>(c)] == 0) continue;
    for (std::size_t row = 0; row < combinations.size(); ++row) {
      if (Shows(genetics, c, loci, combinations[row])) {
        bySex[static_cast<std::size_t>(genetics.classes[c].Sex())][row] += weights[static_cast<std::size_t>(c)];
      }
    }
  }

  if (!genetics.hermaphrodite && !Proportional(bySex[0], bySex[1])) {
    expected.sex = ClassesSeen(bySex[0]) > ClassesSeen(bySex[1]) ? 0 : 1;
  }
  std::vector<std::int64_t> parts(combinations.size());
  for (std::size_t row = 0; row < parts.size(); ++row) {
    parts[row] = expected.sex == kBothSexes ? bySex[0][row] + bySex[1][row]
                                            : bySex[static_cast<std::size_t>(expected.sex)][row];
  }
  const std::int64_t divisor = std::accumulate(parts.begin(), parts.end(), std::int64_t{0},
                                               [](std::int64_t g, std::int64_t n) { return std::gcd(g, n); });

  const std::int32_t shownSex = expected.sex == 1 ? 1 : 0;
  for (std::size_t row = 0; row < combinations.size(); ++row) {
    PhenotypeRow& out = expected.rows.emplace_back();
    out.values = combinations[row];
    out.part = divisor == 0 ? 0 : static_cast<std::int32_t>(parts[row] / divisor);
    // The likeliest offspring that looks so, or failing that any individual
    // of the example that does.
    std::int32_t best = -1;
    for (std::int32_t c = 1; c <= kClassCount; ++c) {
      if (!ClassInExample(genetics, c) || genetics.classes[c].Sex() != shownSex ||
          !Shows(genetics, c, loci, combinations[row])) {
        continue;
      }
      if (weights[static_cast<std::size_t>(c)] > best) {
        best = weights[static_cast<std::size_t>(c)];
        out.representative = c;
      }
    }
  }
  return expected;
}

}  // namespace crossmere
