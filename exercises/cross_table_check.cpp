#include "exercises/cross_table_check.h"

#include <algorithm>
#include <numeric>

namespace crossmere {
namespace {

bool Viable(const TableLocus& locus, std::int32_t sum) { return !locus.lethal || sum != 2 * locus.dominantAllele; }

// Allele sums from the dominant homozygote down.
std::array<std::int32_t, 3> SumsDominantFirst(const TableLocus& locus) {
  return locus.dominantAllele == 1 ? std::array<std::int32_t, 3>{2, 1, 0} : std::array<std::int32_t, 3>{0, 1, 2};
}

std::vector<std::int32_t> Sexes(const TableLocus& locus) {
  return locus.sexLinked ? std::vector<std::int32_t>{0, 1} : std::vector<std::int32_t>{kEitherSex};
}

// The chance of each allele sum in offspring of a sex, in quarters (the
// second parent of a sex-linked cross gives his X, stored doubled).
std::array<std::int32_t, 3> OffspringSums(const TableLocus& locus, const ListedCross& cross, std::int32_t sex) {
  const auto alleles = [](std::int32_t sum) { return std::array<std::int32_t, 2>{sum >= 1 ? 1 : 0, sum >= 2 ? 1 : 0}; };
  std::array<std::int32_t, 3> weights{};
  for (const std::int32_t fromFirst : alleles(cross.first)) {
    for (const std::int32_t fromSecond : alleles(cross.second)) {
      std::int32_t sum = fromFirst + fromSecond;
      if (locus.sexLinked) sum = sex == 1 ? 2 * fromFirst : fromFirst + cross.second / 2;
      if (Viable(locus, sum)) ++weights[static_cast<std::size_t>(sum)];
    }
  }
  return weights;
}

std::int32_t DominantCount(const TableLocus& locus, std::int32_t sum) {
  return locus.dominantAllele == 1 ? sum : 2 - sum;
}

}  // namespace

std::vector<TableColumn> GenotypeColumns(const TableLocus& locus) {
  std::vector<TableColumn> columns;
  for (const std::int32_t sex : Sexes(locus)) {
    for (const std::int32_t sum : SumsDominantFirst(locus)) {
      // A male is hemizygous: no heterozygotes.
      if (Viable(locus, sum) && !(sex == 1 && sum == 1)) columns.push_back({sex, sum});
    }
  }
  return columns;
}

std::vector<TableColumn> PhenotypeColumns(const TableLocus& locus) {
  std::vector<TableColumn> columns;
  for (const std::int32_t sex : Sexes(locus)) {
    for (const std::int32_t sum : SumsDominantFirst(locus)) {
      const TableColumn column{sex, locus.phenotype[static_cast<std::size_t>(sum)]};
      if (Viable(locus, sum) && std::find(columns.begin(), columns.end(), column) == columns.end()) {
        columns.push_back(column);
      }
    }
  }
  return columns;
}

std::vector<std::int32_t> ExpectedBoxes(const TableLocus& locus, const ListedCross& cross,
                                        const std::vector<TableColumn>& columns, bool phenotypes) {
  std::vector<std::int32_t> boxes(columns.size());
  for (const std::int32_t sex : Sexes(locus)) {
    const std::array<std::int32_t, 3> sums = OffspringSums(locus, cross, sex == kEitherSex ? 0 : sex);
    std::vector<std::size_t> ofSex;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (columns[c].sex != sex) continue;
      ofSex.push_back(c);
      for (std::int32_t sum = 0; sum <= 2; ++sum) {
        const bool counts = phenotypes ? locus.phenotype[static_cast<std::size_t>(sum)] == columns[c].value
                                       : sum == columns[c].value;
        if (counts) boxes[c] += sums[static_cast<std::size_t>(sum)];
      }
    }
    const auto expected = std::count_if(ofSex.begin(), ofSex.end(), [&](std::size_t c) { return boxes[c] > 0; });
    const std::int32_t divisor = std::accumulate(ofSex.begin(), ofSex.end(), 0,
                                                 [&](std::int32_t g, std::size_t c) { return std::gcd(g, boxes[c]); });
    for (const std::size_t c : ofSex) {
      if (expected == 1 && boxes[c] > 0) {
        boxes[c] = kAllOfThem;
      } else if (divisor > 0) {
        boxes[c] /= divisor;
      }
    }
  }
  return boxes;
}

std::vector<bool> RowsRight(const TableLocus& locus, const std::vector<ListedCross>& crosses,
                            const std::vector<TableColumn>& columns, bool phenotypes,
                            const std::vector<std::vector<TableBox>>& boxes) {
  std::vector<bool> right;
  for (std::size_t row = 0; row < crosses.size(); ++row) {
    const std::vector<std::int32_t> expected = ExpectedBoxes(locus, crosses[row], columns, phenotypes);
    bool all = true;
    for (std::size_t c = 0; c < columns.size(); ++c) all &= boxes[row][c] == expected[c];
    right.push_back(all);
  }
  return right;
}

void SortCrosses(std::vector<ListedCross>& crosses, const TableLocus& locus) {
  std::stable_sort(crosses.begin(), crosses.end(), [&](const ListedCross& a, const ListedCross& b) {
    const auto key = [&](const ListedCross& cross) {
      return std::pair{-DominantCount(locus, cross.first), -DominantCount(locus, cross.second)};
    };
    return key(a) < key(b);
  });
}

std::int32_t LikeAutosomalIntercross(const std::vector<ListedCross>& crosses, const TableLocus& locus) {
  const ListedCross wanted{1, 2 * locus.dominantAllele};
  const auto found = std::find(crosses.begin(), crosses.end(), wanted);
  return found == crosses.end() ? -1 : static_cast<std::int32_t>(found - crosses.begin());
}

std::int32_t ReversedPhenotypes(const std::vector<ListedCross>& crosses, const TableLocus& locus) {
  const ListedCross wanted{2 - 2 * locus.dominantAllele, 2 * locus.dominantAllele};
  const auto found = std::find(crosses.begin(), crosses.end(), wanted);
  return found == crosses.end() ? -1 : static_cast<std::int32_t>(found - crosses.begin());
}

}  // namespace crossmere
