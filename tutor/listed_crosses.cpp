#include "tutor/listed_crosses.h"

#include "workspace/session.h"

namespace crossmere {

CrossList& ListedCrosses(Session& session) { return session.questionFamilies.Get<CrossList>(); }

bool CrossesOrdered(const Session& session) {
  return !session.genetics.hermaphrodite && IsXLinked(session.genetics.locusPosition[1]);
}

std::string CrossText(const Session& session, const ListedCross& cross) {
  const LocusRule& locus = session.genetics.loci[1];
  const bool sexes = !session.genetics.hermaphrodite;
  return locus.femaleText[static_cast<std::size_t>(cross.first)] + "  x  " +
         (sexes ? locus.maleText : locus.femaleText)[static_cast<std::size_t>(cross.second)];
}

TableLocus TableLocusOf(const Session& session) {
  const LocusRule& locus = session.genetics.loci[1];
  return {locus.phenotype, locus.dominantAllele, locus.lethal, CrossesOrdered(session)};
}

std::string FormName(const Session& session, std::int32_t value) {
  const std::int32_t character = session.genetics.loci[1].character;
  return session.genetics.vocabulary.characters[character].phenotypes[static_cast<std::size_t>(value - 1)];
}

}  // namespace crossmere
