#include "exercises/genotype_entry_check.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

namespace crossmere {
namespace {

using namespace entry_text;

constexpr std::int32_t kUnknown = -1;  // an empty slot, or a symbol the mapping leaves without meaning

// The faults the marking can find, in the order their remarks win when
// several occur together. An error shows the program's genotypes and costs
// 2 marks once; the others cost what the row says, and all of them add up.
enum class Fault {
  SameSymbol,
  Duplication,
  OneWildSymbol,
  CapitalMutant,
  SexLinked,
  NotSexLinked,
  OppositeOrder,
  OneParentHeterozygous,
  BothParentsHeterozygous,
  ParentHeterozygous,
  Either,
};

struct FaultRow {
  Fault fault;
  std::int32_t remark;
  bool error;              // the answer is wrong even where the genotypes read right
  std::int32_t deduction;  // beyond the error's, for a fault that leaves the answer right
};

constexpr FaultRow kFaultTable[] = {
    {Fault::SameSymbol, kSameSymbol, true, 0},
    {Fault::Duplication, kDuplication, false, 1},
    {Fault::OneWildSymbol, kOneWildSymbol, true, 0},
    {Fault::CapitalMutant, kCapitalMutant, false, 1},
    {Fault::SexLinked, kSexLinked, true, 0},
    {Fault::NotSexLinked, kNotSexLinked, true, 0},
    {Fault::OppositeOrder, kOppositeOrder, true, 0},
    {Fault::OneParentHeterozygous, kOneParentHeterozygous, true, 0},
    {Fault::BothParentsHeterozygous, kBothParentsHeterozygous, true, 0},
    {Fault::ParentHeterozygous, kParentHeterozygous, true, 0},
    {Fault::Either, kEither, true, 0},
};
constexpr std::int32_t kErrorDeduction = 2;

// Which symbol stands for which allele at each locus of the truth, and which
// locus of the truth each locus of the slots is.
struct Reading {
  std::array<std::int32_t, kMaxEntryLoci> locusOf{0, 1};
  std::array<std::map<std::string, std::int32_t>, kMaxEntryLoci> alleleOf;
};

enum class Judgement { Right, Duplicated, Either, Wrong };

struct Candidate {
  Reading reading;
  std::array<Judgement, 2> judged{Judgement::Wrong, Judgement::Wrong};
  std::int32_t right = 0;
  bool programSymbols = false;  // every symbol stands for its allele as the program writes it
};

std::vector<const SlotPair*> UsedPairs(const EntryQuestion& question, const EntryAnswer& answer) {
  std::vector<const SlotPair*> used;
  for (const SlotPair& pair : answer.pairs) {
    bool any = false;
    for (std::int32_t j = 0; j < question.lociCount; ++j) any |= !pair.loci[j][0].empty() || !pair.loci[j][1].empty();
    if (any) used.push_back(&pair);
  }
  return used;
}

// The genes a pair of slots expresses under a reading, each locus sorted,
// in the order of the truth's loci.
EntryGenotype Decode(const EntryQuestion& question, const Reading& reading, const SlotPair& pair) {
  EntryGenotype genotype;
  for (std::int32_t j = 0; j < question.lociCount; ++j) {
    const std::int32_t locus = reading.locusOf[j];
    for (std::int32_t s = 0; s < 2; ++s) {
      const std::string& symbol = pair.loci[j][s];
      std::int32_t gene = kUnknown;
      if (symbol == question.ySymbol) {
        gene = kNoGene;
      } else if (const auto at = reading.alleleOf[locus].find(symbol); at != reading.alleleOf[locus].end()) {
        gene = at->second;
      }
      genotype.loci[locus][s] = gene;
    }
    std::sort(genotype.loci[locus].begin(), genotype.loci[locus].end());
  }
  return genotype;
}

EntryGenotype Sorted(const EntryQuestion& question, EntryGenotype genotype) {
  for (std::int32_t k = 0; k < question.lociCount; ++k) std::sort(genotype.loci[k].begin(), genotype.loci[k].end());
  return genotype;
}

bool Valid(const EntryQuestion& question, const EntryGenotype& genotype) {
  for (std::int32_t k = 0; k < question.lociCount; ++k) {
    if (genotype.loci[k][0] == kUnknown || genotype.loci[k][1] == kUnknown) return false;
  }
  return true;
}

Judgement Judge(const EntryQuestion& question, const Reading& reading, const EntryAnswer& answer,
                const std::vector<EntryGenotype>& truth) {
  const std::vector<const SlotPair*> used = UsedPairs(question, answer);
  if (used.empty()) return Judgement::Wrong;
  std::vector<EntryGenotype> given;
  for (const SlotPair* pair : used) {
    const EntryGenotype genotype = Decode(question, reading, *pair);
    if (!Valid(question, genotype)) return Judgement::Wrong;
    given.push_back(genotype);
  }
  std::vector<EntryGenotype> expected;
  for (const EntryGenotype& genotype : truth) expected.push_back(Sorted(question, genotype));
  auto contains = [](const std::vector<EntryGenotype>& set, const EntryGenotype& g) {
    return std::find(set.begin(), set.end(), g) != set.end();
  };
  const bool allTrue = std::all_of(given.begin(), given.end(), [&](const EntryGenotype& g) { return contains(expected, g); });
  const bool allGiven =
      std::all_of(expected.begin(), expected.end(), [&](const EntryGenotype& g) { return contains(given, g); });
  if (allTrue && allGiven) return given.size() > expected.size() ? Judgement::Duplicated : Judgement::Right;
  if (allTrue && expected.size() == 2) return Judgement::Either;
  return Judgement::Wrong;
}

// The symbols written at each locus of the slots, Y symbol and blanks left out.
std::array<std::vector<std::string>, kMaxEntryLoci> SymbolsUsed(const EntryQuestion& question,
                                                                 const std::array<EntryAnswer, 2>& answers) {
  std::array<std::set<std::string>, kMaxEntryLoci> sets;
  for (const EntryAnswer& answer : answers) {
    for (const SlotPair* pair : UsedPairs(question, answer)) {
      for (std::int32_t j = 0; j < question.lociCount; ++j) {
        for (const std::string& symbol : pair->loci[j]) {
          if (!symbol.empty() && symbol != question.ySymbol) sets[j].insert(symbol);
        }
      }
    }
  }
  std::array<std::vector<std::string>, kMaxEntryLoci> used;
  for (std::int32_t j = 0; j < kMaxEntryLoci; ++j) used[j].assign(sets[j].begin(), sets[j].end());
  return used;
}

// Every way the symbols at one locus of the slots may stand for the alleles.
std::vector<std::map<std::string, std::int32_t>> Mappings(const EntryQuestion& question,
                                                          const std::vector<std::string>& symbols) {
  if (question.wildNotation) {
    std::map<std::string, std::int32_t> mapping;
    for (const std::string& symbol : symbols) mapping[symbol] = symbol == "+" ? 0 : 1;
    return {mapping};
  }
  std::vector<std::map<std::string, std::int32_t>> mappings;
  if (symbols.size() == 1) {
    mappings.push_back({{symbols[0], 0}});
    mappings.push_back({{symbols[0], 1}});
  }
  // Two symbols of one locus are one letter in its two cases.
  const auto sameLetter = [](const std::string& x, const std::string& y) {
    return x != y && std::tolower(static_cast<unsigned char>(x[0])) == std::tolower(static_cast<unsigned char>(y[0]));
  };
  for (const std::string& zero : symbols) {
    for (const std::string& one : symbols) {
      if (sameLetter(zero, one)) mappings.push_back({{zero, 0}, {one, 1}});
    }
  }
  if (mappings.empty()) mappings.emplace_back();
  return mappings;
}

bool ProgramSymbols(const EntryQuestion& question, const Reading& reading) {
  for (std::int32_t k = 0; k < question.lociCount; ++k) {
    for (const auto& [symbol, allele] : reading.alleleOf[k]) {
      if (question.loci[k].symbols[allele] != symbol) return false;
    }
  }
  return true;
}

// Every reading of the slots, judged; the best first.
std::vector<Candidate> Candidates(const EntryQuestion& question, const std::array<EntryAnswer, 2>& answers) {
  const auto used = SymbolsUsed(question, answers);
  std::vector<std::array<std::int32_t, kMaxEntryLoci>> orders = {{0, 1}};
  if (question.lociCount == 2) orders.push_back({1, 0});
  // One letter at both loci of the slots cannot name two genes.
  bool sharedLetter = false;
  for (const std::string& x : used[0]) {
    for (const std::string& y : used[1]) {
      sharedLetter |= question.lociCount == 2 && x != "+" && y != "+" &&
                      std::tolower(static_cast<unsigned char>(x[0])) == std::tolower(static_cast<unsigned char>(y[0]));
    }
  }
  std::vector<Candidate> candidates;
  for (const auto& order : orders) {
    const auto first = Mappings(question, used[0]);
    const auto second = question.lociCount == 2 ? Mappings(question, used[1])
                                                : std::vector<std::map<std::string, std::int32_t>>{{}};
    for (const auto& a : first) {
      for (const auto& b : second) {
        Candidate candidate;
        candidate.reading.locusOf = order;
        candidate.reading.alleleOf[order[0]] = a;
        if (question.lociCount == 2) candidate.reading.alleleOf[order[1]] = b;
        for (std::size_t i = 0; i < 2 && !sharedLetter; ++i) {
          candidate.judged[i] = Judge(question, candidate.reading, answers[i], question.truth[i]);
          candidate.right += candidate.judged[i] == Judgement::Right || candidate.judged[i] == Judgement::Duplicated;
        }
        candidate.programSymbols = ProgramSymbols(question, candidate.reading);
        candidates.push_back(candidate);
      }
    }
  }
  // Most individuals right; then the program's own symbols; then the loci in the truth's order.
  std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& x, const Candidate& y) {
    if (x.right != y.right) return x.right > y.right;
    if (x.programSymbols != y.programSymbols) return x.programSymbols;
    return x.reading.locusOf[0] == 0 && y.reading.locusOf[0] != 0;
  });
  return candidates;
}

bool AnyYAt(const EntryQuestion& question, const std::array<EntryAnswer, 2>& answers, std::int32_t j) {
  for (const EntryAnswer& answer : answers) {
    for (const SlotPair* pair : UsedPairs(question, answer)) {
      if (pair->loci[j][0] == question.ySymbol || pair->loci[j][1] == question.ySymbol) return true;
    }
  }
  return false;
}

bool IsMale(const std::vector<EntryGenotype>& truth, std::int32_t locus) {
  return !truth.empty() && (truth[0].loci[locus][0] == kNoGene || truth[0].loci[locus][1] == kNoGene);
}

std::set<Fault> FindFaults(const EntryQuestion& question, const std::array<EntryAnswer, 2>& answers,
                           const std::vector<Candidate>& candidates) {
  std::set<Fault> faults;
  const Candidate& best = candidates.front();
  const bool wrong = best.right < 2;
  const auto used = SymbolsUsed(question, answers);
  for (std::int32_t j = 0; j < question.lociCount; ++j) {
    const std::int32_t locus = best.reading.locusOf[j];
    const EntryLocus& rule = question.loci[locus];
    const auto letters = std::count_if(used[j].begin(), used[j].end(), [](const std::string& s) { return s != "+"; });
    if (question.wildNotation && letters >= 2) faults.insert(Fault::OneWildSymbol);
    // A heterozygote written with one symbol twice, no other symbol being used.
    if (!question.wildNotation && wrong && used[j].size() == 1) {
      for (std::size_t i = 0; i < 2; ++i) {
        const bool heterozygous = std::any_of(question.truth[i].begin(), question.truth[i].end(), [&](const EntryGenotype& g) {
          return g.loci[locus][0] != g.loci[locus][1] && g.loci[locus][0] != kNoGene && g.loci[locus][1] != kNoGene;
        });
        for (const SlotPair* pair : UsedPairs(question, answers[i])) {
          if (heterozygous && pair->loci[j][0] == pair->loci[j][1]) faults.insert(Fault::SameSymbol);
        }
      }
    }
    if (question.wildNotation && rule.heterozygoteDistinct) {
      for (const std::string& s : used[j]) {
        if (s != "+" && std::islower(static_cast<unsigned char>(s[0]))) faults.insert(Fault::CapitalMutant);
      }
    }
    const bool y = AnyYAt(question, answers, j);
    if (!rule.xLinked && y) faults.insert(Fault::NotSexLinked);
    if (rule.xLinked) {
      for (std::size_t i = 0; i < 2; ++i) {
        if (!IsMale(question.truth[i], locus)) continue;
        for (const SlotPair* pair : UsedPairs(question, answers[i])) {
          if (pair->loci[j][0] != question.ySymbol && pair->loci[j][1] != question.ySymbol) faults.insert(Fault::SexLinked);
        }
      }
    }
  }
  for (std::size_t i = 0; i < 2; ++i) {
    if (best.judged[i] == Judgement::Duplicated) faults.insert(Fault::Duplication);
    if (best.judged[i] == Judgement::Either) faults.insert(Fault::Either);
  }
  // The letters one parent writes at the first locus, the other writes at the second.
  if (wrong && question.lociCount == 2) {
    std::array<std::array<std::set<char>, 2>, 2> letters;  // [individual][locus of the slots]
    for (std::size_t i = 0; i < 2; ++i) {
      for (const SlotPair* pair : UsedPairs(question, answers[i])) {
        for (std::int32_t j = 0; j < 2; ++j) {
          for (const std::string& symbol : pair->loci[j]) {
            if (!symbol.empty() && symbol != "+" && symbol != question.ySymbol) {
              letters[i][j].insert(static_cast<char>(std::tolower(static_cast<unsigned char>(symbol[0]))));
            }
          }
        }
      }
    }
    if (!letters[0][0].empty() && letters[0][0] != letters[0][1] && letters[0][0] == letters[1][1] &&
        letters[0][1] == letters[1][0]) {
      faults.insert(Fault::OppositeOrder);
    }
  }
  if (question.parents) {
    std::array<std::int32_t, 2> heterozygous{};
    for (std::size_t i = 0; i < 2; ++i) {
      for (const SlotPair* pair : UsedPairs(question, answers[i])) {
        const EntryGenotype g = Decode(question, best.reading, *pair);
        for (std::int32_t k = 0; k < question.lociCount; ++k) {
          const auto genes = g.loci[k];
          const bool known = genes[0] >= 0 && genes[1] >= 0 && genes[1] != kNoGene;
          heterozygous[i] += known && genes[0] != genes[1] ? 1 : 0;
        }
      }
    }
    if (heterozygous[0] + heterozygous[1] > 0) {
      if (question.lociCount == 1) {
        faults.insert(Fault::ParentHeterozygous);
      } else if (heterozygous[0] > 0 && heterozygous[1] > 0) {
        faults.insert(Fault::BothParentsHeterozygous);
      } else {
        faults.insert(Fault::OneParentHeterozygous);
      }
    }
  }
  return faults;
}

// The canines' heterozygote can only just be told from the homozygote
// without canines: an answer that reads the two as one phenotype is marked
// right, with a word of warning, under any reading of its symbols.
struct CanineReading {
  bool accepted = false;  // an answer otherwise wrong, taken as right
  std::vector<std::int32_t> remarks;
};

CanineReading ReadCanines(const EntryQuestion& question, const std::array<EntryAnswer, 2>& answers,
                          const std::vector<Candidate>& candidates) {
  CanineReading reading;
  if (question.lociCount != 1 || !question.loci[0].canines) return reading;
  EntryGenotype without;  // no canines: allele 0 twice
  EntryGenotype heterozygote;
  heterozygote.loci[0] = {0, 1};
  const auto withoutCanines = [&](const std::vector<EntryGenotype>& truth) {
    return truth.size() == 1 && Sorted(question, truth[0]) == without;
  };
  if (candidates.front().right == 2) {
    if (withoutCanines(question.truth[0]) || withoutCanines(question.truth[1])) reading.remarks.push_back(kCaninesAssumed);
    return reading;
  }
  const std::vector<EntryGenotype> recessiveView = {without, heterozygote};
  for (const Candidate& candidate : candidates) {
    bool all = true;
    for (std::size_t i = 0; i < 2; ++i) {
      all &= candidate.judged[i] == Judgement::Right ||
             (withoutCanines(question.truth[i]) &&
              Judge(question, candidate.reading, answers[i], recessiveView) == Judgement::Right);
    }
    if (all) {
      reading.accepted = true;
      reading.remarks.push_back(kCaninesLookClosely);
      return reading;
    }
  }
  reading.remarks.push_back(kCaninesNote);
  return reading;
}

}  // namespace

EntryVerdict MarkGenotypeEntry(const EntryQuestion& question, const std::array<EntryAnswer, 2>& answers) {
  const std::vector<Candidate> candidates = Candidates(question, answers);
  const Candidate& best = candidates.front();
  const CanineReading canines = ReadCanines(question, answers, candidates);
  std::set<Fault> faults = FindFaults(question, answers, candidates);
  bool wrong = best.right < 2 && !canines.accepted;
  for (const FaultRow& row : kFaultTable) wrong |= row.error && faults.contains(row.fault);

  EntryVerdict verdict;
  verdict.good = !wrong;
  if (wrong) {
    verdict.remarks = {kError, question.parents && question.lociCount == 2 ? kShownBelow : kShownAlongside};
    verdict.showCorrect = true;
    verdict.deduction += kErrorDeduction;
  } else {
    verdict.remarks = {kGood};
    if (!best.programSymbols) verdict.remarks.push_back(kArbitrary);
  }
  bool first = true;
  for (const FaultRow& row : kFaultTable) {
    if (!faults.contains(row.fault)) continue;
    if (first) verdict.remarks.push_back(row.remark);
    first = false;
    if (!row.error) verdict.deduction += row.deduction;
  }
  verdict.remarks.insert(verdict.remarks.end(), canines.remarks.begin(), canines.remarks.end());
  if (question.secondQuestion) verdict.remarks.push_back(kCompareSymbol);
  return verdict;
}

std::string WriteEntryGenotype(const EntryQuestion& question, const EntryGenotype& genotype) {
  std::string text;
  for (std::int32_t k = 0; k < question.lociCount; ++k) {
    const std::array<std::string, 2>& symbols = question.loci[k].symbols;
    const auto symbolOf = [&](std::int32_t gene) { return gene == kNoGene ? question.ySymbol : symbols[gene]; };
    std::int32_t a = genotype.loci[k][0];
    std::int32_t b = genotype.loci[k][1];
    if (a == kNoGene) std::swap(a, b);
    if (a != b && b != kNoGene) {
      // The program's own order: allele 0 first exactly when its symbol
      // sorts first, unless one of the two is "+".
      const bool zeroFirst = (symbols[0] < symbols[1]) != (symbols[0] == "+" || symbols[1] == "+");
      a = zeroFirst ? 0 : 1;
      b = 1 - a;
    }
    if (!text.empty()) text += "  ";
    text += symbolOf(a) + symbolOf(b);
  }
  return text;
}

}  // namespace crossmere
