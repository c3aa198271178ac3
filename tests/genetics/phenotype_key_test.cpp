#include "genetics/pictures/phenotype_key.h"

#include <gtest/gtest.h>

#include "genetics_fixture.h"

namespace crossmere {
namespace {

using testing::MakeGenetics;
using testing::TestLocus;

std::vector<std::int32_t> FormsShown(const KeyCharacter& character, std::int32_t c) {
  std::vector<std::int32_t> values;
  for (const KeyPhenotype& form : character.phenotypes) values.push_back(form.picture.values[c]);
  return values;
}

TEST(PhenotypeKey, ShowsEachViableFormOfEachLocusOnce) {
  struct Case {
    const char* what;
    TestLocus locus;
    std::vector<std::int32_t> forms;
  };
  const Case cases[] = {
      {"complete dominance", {5, 3, false}, {1, 3}},
      {"intermediate heterozygote", {5, 2, false}, {1, 2, 3}},
      {"allele 0 dominant", {5, 1, false}, {1, 3}},
      {"lethal dominant homozygote", {5, 2, true}, {1, 2}},
  };
  const ExampleState example;
  const OrganismPalette palette = DefaultPalette();
  for (const Case& c : cases) {
    GeneticsState g = MakeGenetics(kFly, {c.locus});
    g.vocabulary.characters[2].name = "Wings";
    g.vocabulary.characters[2].phenotypes = {"Long", "Short", "Vestigial"};
    const std::vector<KeyCharacter> key = PhenotypeKey(g, example, palette);
    ASSERT_EQ(key.size(), 1u) << c.what;
    EXPECT_EQ(key[0].name, "Wings") << c.what;
    EXPECT_EQ(FormsShown(key[0], 2), c.forms) << c.what;
    for (const KeyPhenotype& form : key[0].phenotypes) {
      EXPECT_EQ(form.name, g.vocabulary.characters[2].phenotypes[form.picture.values[2] - 1]) << c.what;
    }
  }
}

TEST(PhenotypeKey, PicturesDifferOnlyInTheirOwnCharacter) {
  GeneticsState g = MakeGenetics(kMonkbear, {{5, 3, false}, {8, 2, false}, {2, 3, true}});
  g.backgroundValues = {0, 1, 2, 1, 3, 2, 1, 2, 1, 3};
  const ExampleState example;
  const OrganismPalette palette = DefaultPalette();
  const std::vector<KeyCharacter> key = PhenotypeKey(g, example, palette);
  ASSERT_EQ(key.size(), 3u);
  const PictureInput& first = key[0].phenotypes[0].picture;
  EXPECT_EQ(first.values[1], 1) << "a female";
  EXPECT_EQ(first.values[7], 2) << "characters without a locus keep their background form";
  EXPECT_EQ(first.palette, &palette);
  EXPECT_GT(first.width, 0);
  EXPECT_GT(first.height, 0);
  for (std::size_t row = 0; row < key.size(); ++row) {
    const std::int32_t own = g.loci[row + 1].character;
    for (const KeyPhenotype& form : key[row].phenotypes) {
      for (std::int32_t c = 1; c <= kMaxCharacter; ++c) {
        if (c != own) {
          EXPECT_EQ(form.picture.values[c], first.values[c]) << "row " << row << " character " << c;
        }
      }
    }
  }
  // The lethal third locus: its dominant homozygote never lives, so only two forms show.
  EXPECT_EQ(FormsShown(key[2], 4), (std::vector<std::int32_t>{1, 3}));
}

}  // namespace
}  // namespace crossmere
