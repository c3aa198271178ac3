#include "genetics/pictures/phenotype_key.h"

#include <algorithm>

#include "genetics/pictures/class_picture.h"

namespace crossmere {
namespace {

bool Viable(const LocusRule& locus, std::int32_t alleleSum) {
  return !locus.lethal || alleleSum != 2 * locus.dominantAllele;
}

// The forms a locus shows, in order of allele sum, each once.
std::vector<std::int32_t> FormsOf(const LocusRule& locus) {
  std::vector<std::int32_t> forms;
  for (std::int32_t sum = 0; sum <= 2; ++sum) {
    const std::int32_t value = locus.phenotype[sum];
    if (Viable(locus, sum) && std::find(forms.begin(), forms.end(), value) == forms.end()) forms.push_back(value);
  }
  return forms;
}

}  // namespace

std::vector<KeyCharacter> PhenotypeKey(const GeneticsState& genetics, const ExampleState& example,
                                       const OrganismPalette& palette) {
  PictureInput base;
  base.kind = genetics.kind;
  base.values = genetics.backgroundValues;
  base.values[1] = genetics.loci[0].phenotype[0];
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    base.values[genetics.loci[k].character] = FormsOf(genetics.loci[k]).front();
  }
  base.palette = &palette;
  for (std::size_t i = 0; i < base.randomColours.size(); ++i) {
    const PaletteColour& c = example.palette[i];
    base.randomColours[i] = {c.red, c.green, c.blue};
  }
  const PictureFrame frame = FrameOf(genetics, false, false);
  base.width = frame.width;
  base.height = frame.height;

  std::vector<KeyCharacter> key;
  for (std::int32_t k = 1; k <= genetics.lociCount; ++k) {
    const std::int32_t character = genetics.loci[k].character;
    const CharacterTexts& texts = genetics.vocabulary.characters[character];
    KeyCharacter& row = key.emplace_back();
    row.name = texts.name;
    for (const std::int32_t value : FormsOf(genetics.loci[k])) {
      KeyPhenotype& form = row.phenotypes.emplace_back();
      form.name = texts.phenotypes[value - 1];
      form.picture = base;
      form.picture.values[character] = value;
    }
  }
  return key;
}

}  // namespace crossmere
