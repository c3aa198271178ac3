#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "layer/string_lists.h"
#include "records/class_setup.h"
#include "records/identity.h"
#include "session/session_state.h"

namespace crossmere {

// How an example's loci lie on the chromosomes, 1..11, from the loci's
// positions in increasing order (2..4 X-linked, 5..7 one linked group,
// 8..10 unlinked). Its text is list 766's entry of the same number.
std::int32_t LociConfiguration(const std::vector<std::int32_t>& positions);

// The loci of an example in order of their positions (locus numbers 1..3).
std::vector<std::int32_t> LociByPosition(const GeneticsState& genetics);

// The configuration of an example's loci.
std::int32_t LociConfigurationOf(const GeneticsState& genetics);

// The map distances (cM) of the linked loci of configurations 3..9, left to
// right; empty for the others.
std::vector<std::int32_t> MapDistances(const GeneticsState& genetics, std::int32_t configuration);

// The lower-case letter that names locus k on a map.
char LocusLetter(const GeneticsState& genetics, std::int32_t k);

// One column of a locus's genotype key: a genotype and what it looks like
// ("-" for a genotype that dies).
struct KeyColumn {
  std::string genotype;
  std::string phenotype;
  bool male = false;
};
std::vector<KeyColumn> GenotypeKeyColumns(const GeneticsState& genetics, std::int32_t k);

// The organism's name in the answers.
std::string KindName(std::int32_t kind);

// The answers of one exercise of one student, as the teacher's answers file
// holds them: the organism, the loci's configuration, their map and every
// genotype with its phenotype. `example` is the student's example.
std::vector<std::string> ExerciseAnswerLines(const StringLists& strings, const SessionState& example,
                                             std::int32_t exercise);

// One student's record in the answers file, with their examples recreated
// from their number: two empty lines, "$", who the student is, and the
// answers of each nominated exercise (nominated[1..10]).
std::vector<std::string> StudentAnswerLines(const StringLists& strings, const StudentIdentity& identity,
                                            bool trialRunning, const std::array<bool, kSlotCount + 1>& nominated,
                                            const GeneSymbolChoices& geneSymbols = {});

// The first lines of a new answers file: a warning when the class's examples
// are not fixed by the student, since the answers are then not theirs.
std::vector<std::string> AnswersFileHeader(const ClassOptions& options);

}  // namespace crossmere
