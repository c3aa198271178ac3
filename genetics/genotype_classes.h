#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "genetics/genetics_state.h"

namespace crossmere {

// Class number (1..128) of a genotype: s + 2 a1 + 4 b1 + 8 a2 + 16 b2 + 32 a3 + 64 b3 + 1,
// where s is the second haplotype's sex allele and a_k, b_k the alleles of locus k.
std::int32_t ClassNumberOf(std::int32_t s, const std::array<std::int32_t, 4>& a,
                           const std::array<std::int32_t, 4>& b);
// Index into the class index table: 64 s + 32 a1 + 16 a2 + 8 a3 + 4 b1 + 2 b2 + b3.
std::int32_t ClassIndexOf(std::int32_t s, const std::array<std::int32_t, 4>& a,
                          const std::array<std::int32_t, 4>& b);

// Builds the 128 classes of the example from its loci and positions, with
// their phenotype class numbers and genotype equivalences; clears the built
// pictures. Symbols and genotype texts are rebuilt too.
void BuildGenotypeClasses(GeneticsState& genetics);

// Allele symbols and genotype texts of loci 1..n from the current gene symbols,
// notation and Y symbol.
void BuildGenotypeTexts(GeneticsState& genetics);

// The phenotype value (1..3) locus k shows in a class.
std::int32_t LocusPhenotype(const GeneticsState& genetics, std::int32_t classNumber, std::int32_t k);
// Appearance of every character 1..9 of a class.
std::array<std::int32_t, kMaxCharacter + 1> CharacterValuesOf(const GeneticsState& genetics,
                                                              std::int32_t classNumber);
// A class an individual of the example can have: alleles only at its loci
// (and the stock mark below three loci), no sex without sexes, a male
// hemizygous at X-linked loci, and not lethal.
bool ClassInExample(const GeneticsState& genetics, std::int32_t classNumber);

// Homozygous for the lethal allele of a lethal locus: never alive.
bool IsLethalClass(const GeneticsState& genetics, std::int32_t classNumber);
// The genotype of a class written out, loci 1..n separated by blanks.
std::string GenotypeText(const GeneticsState& genetics, std::int32_t classNumber);

// What an individual of the class looks like, in words, for a screen reader:
// its sex where the example has sexes to see, then each locus's character
// and phenotype ("Female; Snout colour: Red").
std::string ClassDescription(const GeneticsState& genetics, std::int32_t classNumber);

// Locus k as the student reads it under the pictures: the mutant allele's
// symbol in wild-type notation, the dominant allele's otherwise.
std::string LocusSymbol(const GeneticsState& genetics, std::int32_t k);

// A gene symbol must be a letter; otherwise the alert text to show.
std::optional<std::string> GeneSymbolProblem(char symbol);

}  // namespace crossmere
