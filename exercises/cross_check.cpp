#include "exercises/cross_check.h"

#include "exercises/catalogue.h"

namespace crossmere {
namespace {

using namespace cross_check;

// Copies of a locus's allele 1 in a parent (0..2); a male at a sex-linked
// locus has one X, which counts twice, as a homozygote would.
std::int32_t AlleleSum(const Genotype& genotype, std::int32_t position) {
  if (IsXLinked(position) && genotype.Sex() == 1) {
    const std::uint8_t x = genotype.hap1[1] == 1 ? genotype.hap2[position] : genotype.hap1[position];
    return 2 * x;
  }
  return genotype.Sum(position);
}

std::int32_t AutosomalCheck(std::int32_t s1, std::int32_t s2, std::int32_t dominantSum, bool testcross) {
  const bool het1 = s1 == 1;
  const bool het2 = s2 == 1;
  if (!testcross) {
    if (het1 && het2) return kRight;
    return !het1 && !het2 ? kNeitherF1 : kOneNotF1;
  }
  if (!het1 && !het2) return kNeitherF1;
  if (het1 && het2) return kIntercrossInstead;
  return s1 == dominantSum || s2 == dominantSum ? kDominantBackcross : kRight;
}

// At a sex-linked locus an F1 is known by its parents, not by its genes.
std::int32_t SexLinkedCheck(std::int32_t s1, std::int32_t s2, bool f1a, bool f1b, std::int32_t dominantSum,
                            bool testcross) {
  if (!testcross) {
    if (f1a && f1b) return kRight;
    return !f1a && !f1b ? kNeitherF1 : kOneNotF1;
  }
  if (!f1a && !f1b) return kNeitherF1;
  if (f1a && f1b) return kIntercrossInstead;
  if (s1 == dominantSum || s2 == dominantSum) return kDominantBackcross;
  const std::int32_t other = f1a ? s2 : s1;
  return other == 2 - dominantSum ? kRight : kIntercrossInstead;
}

}  // namespace

std::int32_t CrossCheck(const GeneticsState& genetics, const std::array<CrossParent, 2>& parents,
                        std::int32_t type) {
  if (parents[0].classNumber == 0 || parents[1].classNumber == 0) return kNoCross;
  const Genotype& first = genetics.classes[parents[0].classNumber];
  const Genotype& second = genetics.classes[parents[1].classNumber];
  const bool testcross = type == question_type::kTestcross;
  const std::int32_t loci = type >= 10 ? 2 : 1;
  for (std::int32_t k = 1; k <= loci && k <= genetics.lociCount; ++k) {
    const std::int32_t position = genetics.locusPosition[k];
    const std::int32_t s1 = AlleleSum(first, position);
    const std::int32_t s2 = AlleleSum(second, position);
    const std::int32_t dominantSum = 2 * genetics.loci[k].dominantAllele;
    const std::int32_t result =
        IsXLinked(position) ? SexLinkedCheck(s1, s2, parents[0].f1, parents[1].f1, dominantSum, testcross)
                            : AutosomalCheck(s1, s2, dominantSum, testcross);
    if (result != kRight) return result;
  }
  return kRight;
}

}  // namespace crossmere
