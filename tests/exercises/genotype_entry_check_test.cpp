#include "exercises/genotype_entry_check.h"

#include <gtest/gtest.h>

#include <sstream>

namespace crossmere {
namespace {

using namespace entry_text;

// "Aa Bb|AA Bb": pairs of slots split by "|", loci by spaces, one character a symbol.
EntryAnswer Slots(const std::string& text) {
  EntryAnswer answer;
  std::stringstream pairs(text);
  std::string pair;
  for (std::size_t p = 0; p < 2 && std::getline(pairs, pair, '|'); ++p) {
    std::stringstream loci(pair);
    std::string locus;
    for (std::size_t k = 0; k < kMaxEntryLoci && loci >> locus; ++k) {
      for (std::size_t s = 0; s < 2 && s < locus.size(); ++s) answer.pairs[p].loci[k][s] = locus.substr(s, 1);
    }
  }
  return answer;
}

// "01 00|11 00": genotypes split by "|", loci by spaces; "-" is a male's missing gene.
std::vector<EntryGenotype> Truth(const std::string& text) {
  std::vector<EntryGenotype> truth;
  std::stringstream genotypes(text);
  std::string genotype;
  while (std::getline(genotypes, genotype, '|')) {
    EntryGenotype& g = truth.emplace_back();
    std::stringstream loci(genotype);
    std::string locus;
    for (std::size_t k = 0; k < kMaxEntryLoci && loci >> locus; ++k) {
      for (std::size_t s = 0; s < 2; ++s) g.loci[k][s] = locus[s] == '-' ? kNoGene : locus[s] - '0';
    }
  }
  return truth;
}

// One autosomal locus whose allele 1 is dominant, written "a" (0) and "A" (1).
EntryQuestion OneLocus() {
  EntryQuestion question;
  question.loci[0].symbols = {"a", "A"};
  return question;
}

struct Case {
  const char* what;
  EntryQuestion question;
  const char* truth[2];
  const char* slots[2];
  bool good;
  std::vector<std::int32_t> remarks;
  std::int32_t deduction;
};

std::vector<Case> Cases() {
  std::vector<Case> cases;
  cases.push_back({"the program's own letters", OneLocus(), {"11", "00"}, {"AA", "aa"}, true, {kGood}, 0});
  cases.push_back({"another letter, used consistently", OneLocus(), {"11", "00"}, {"bb", "BB"}, true,
                   {kGood, kArbitrary}, 0});
  cases.push_back({"one letter for both genes", OneLocus(), {"01", "00"}, {"AA", "AA"}, false,
                   {kError, kShownAlongside, kSameSymbol}, 2});
  cases.push_back({"either genotype, one given", OneLocus(), {"11|01", "00"}, {"AA", "aa"}, false,
                   {kError, kShownAlongside, kEither}, 2});
  cases.push_back({"either genotype, both given", OneLocus(), {"11|01", "00"}, {"Aa|AA", "aa"}, true, {kGood}, 0});
  cases.push_back({"one genotype written twice", OneLocus(), {"11", "00"}, {"AA|AA", "aa"}, true,
                   {kGood, kDuplication}, 1});
  cases.push_back({"an error and a duplication add up", OneLocus(), {"11", "00"}, {"Aa", "aa|aa"}, false,
                   {kError, kShownAlongside, kDuplication}, 3});
  cases.push_back({"nothing written", OneLocus(), {"11", "00"}, {"", ""}, false, {kError, kShownAlongside}, 2});

  EntryQuestion sexLinked = OneLocus();
  sexLinked.loci[0].xLinked = true;
  cases.push_back({"a male at a sex-linked locus", sexLinked, {"01", "1-"}, {"Aa", "AY"}, true, {kGood}, 0});
  cases.push_back({"a sex-linked locus answered as autosomal", sexLinked, {"01", "1-"}, {"Aa", "AA"}, false,
                   {kError, kShownAlongside, kSexLinked}, 2});
  cases.push_back({"a female written with the Y symbol", sexLinked, {"01", "1-"}, {"AY", "AY"}, false,
                   {kError, kShownAlongside}, 2});
  cases.push_back({"an autosomal locus answered as sex-linked", OneLocus(), {"01", "11"}, {"Aa", "AY"}, false,
                   {kError, kShownAlongside, kNotSexLinked}, 2});

  EntryQuestion wild = OneLocus();
  wild.wildNotation = true;
  wild.loci[0].symbols = {"+", "a"};
  cases.push_back({"wild type notation", wild, {"01", "00"}, {"a+", "++"}, true, {kGood}, 0});
  cases.push_back({"two gene symbols in the wild type notation", wild, {"01", "00"}, {"Aa", "++"}, false,
                   {kError, kShownAlongside, kOneWildSymbol}, 2});
  cases.push_back({"two gene symbols for one mutant allele", wild, {"11", "00"}, {"Aa", "++"}, false,
                   {kError, kShownAlongside, kOneWildSymbol}, 2});
  EntryQuestion dominantMutant = wild;
  dominantMutant.loci[0].symbols = {"+", "A"};
  dominantMutant.loci[0].heterozygoteDistinct = true;
  cases.push_back({"a dominant mutant in lower case", dominantMutant, {"01", "00"}, {"a+", "++"}, true,
                   {kGood, kArbitrary, kCapitalMutant}, 1});

  EntryQuestion parents;
  parents.parents = true;
  parents.lociCount = 2;
  parents.loci[0].symbols = {"a", "A"};
  parents.loci[1].symbols = {"b", "B"};
  cases.push_back({"two loci in the same order", parents, {"00 11", "11 00"}, {"aa BB", "AA bb"}, true, {kGood}, 0});
  cases.push_back({"two loci, both parents the other way round", parents, {"00 11", "11 00"}, {"BB aa", "bb AA"}, true,
                   {kGood}, 0});
  cases.push_back({"two loci in opposite orders", parents, {"00 11", "11 00"}, {"aa BB", "bb AA"}, false,
                   {kError, kShownBelow, kOppositeOrder}, 2});
  cases.push_back({"a pure-breeding parent written heterozygous", parents, {"00 11", "11 00"}, {"aa BB", "Aa bb"},
                   false, {kError, kShownBelow, kOneParentHeterozygous}, 2});
  cases.push_back({"both parents written heterozygous", parents, {"00 11", "11 00"}, {"Aa Bb", "Aa Bb"}, false,
                   {kError, kShownBelow, kBothParentsHeterozygous}, 2});
  cases.push_back({"one letter at both loci", parents, {"00 11", "11 00"}, {"aa AA", "AA aa"}, false,
                   {kError, kShownBelow}, 2});
  cases.push_back({"an unfinished parent is not called heterozygous", parents, {"00 11", "11 00"}, {"aa B", "AA bb"},
                   false, {kError, kShownBelow}, 2});
  EntryQuestion oneParentLocus = OneLocus();
  oneParentLocus.parents = true;
  cases.push_back({"one locus, a parent heterozygous", oneParentLocus, {"11", "00"}, {"Aa", "aa"}, false,
                   {kError, kShownAlongside, kParentHeterozygous}, 2});

  // As the program writes canines: "C" without (allele 0), "c" with.
  EntryQuestion canines = OneLocus();
  canines.loci[0].canines = true;
  canines.loci[0].symbols = {"C", "c"};
  cases.push_back({"canines: read as fully recessive", canines, {"00", "00"}, {"CC|Cc", "Cc|CC"}, true,
                   {kGood, kCaninesLookClosely}, 0});
  cases.push_back({"canines: read as fully recessive, cases swapped", canines, {"00", "00"}, {"cc|Cc", "Cc|cc"}, true,
                   {kGood, kCaninesLookClosely}, 0});
  cases.push_back({"canines: the homozygote without canines alone", canines, {"00", "00"}, {"CC", "CC"}, true,
                   {kGood, kCaninesAssumed}, 0});
  cases.push_back({"canines present", canines, {"11", "11"}, {"cc", "cc"}, true, {kGood}, 0});
  cases.push_back({"canines: wrong", canines, {"00", "00"}, {"cc", "CC"}, false,
                   {kError, kShownAlongside, kCaninesNote}, 2});

  EntryQuestion second = OneLocus();
  second.secondQuestion = true;
  cases.push_back({"the second genotype question", second, {"11", "00"}, {"AA", "aa"}, true, {kGood, kCompareSymbol}, 0});
  return cases;
}

TEST(GenotypeEntryCheck, MarksSlotsByTheGenotypesTheyExpress) {
  for (Case c : Cases()) {
    c.question.truth = {Truth(c.truth[0]), Truth(c.truth[1])};
    const EntryVerdict verdict = MarkGenotypeEntry(c.question, {Slots(c.slots[0]), Slots(c.slots[1])});
    EXPECT_EQ(verdict.good, c.good) << c.what;
    EXPECT_EQ(verdict.remarks, c.remarks) << c.what;
    EXPECT_EQ(verdict.deduction, c.deduction) << c.what;
    EXPECT_EQ(verdict.showCorrect, !c.good) << c.what;
  }
}

TEST(GenotypeEntryCheck, WritesGenotypesInTheProgramsOrder) {
  EntryQuestion question = OneLocus();
  question.lociCount = 2;
  question.loci[1].symbols = {"+", "b"};
  EXPECT_EQ(WriteEntryGenotype(question, Truth("10 01")[0]), "Aa  b+");
  EXPECT_EQ(WriteEntryGenotype(question, Truth("0- 1-")[0]), "aY  bY");
}

}  // namespace
}  // namespace crossmere
