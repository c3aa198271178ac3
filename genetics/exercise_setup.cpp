#include "genetics/exercise_setup.h"

#include <cctype>
#include <cstdlib>

#include "genetics/characters.h"
#include "genetics/genotype_classes.h"

namespace crossmere {
namespace {

struct Arrangement {
  std::array<std::int32_t, 3> positions;
  bool unlinked12, unlinked13, unlinked23;
};

// The seven arrangements of three loci, by chooseType 1..7.
constexpr std::array<Arrangement, 8> kArrangements = {{
    {{9, 9, 9}, false, false, false},
    {{5, 6, 7}, false, false, false},  // three linked autosomal
    {{5, 6, 8}, false, true, true},    // two linked, one unlinked autosomal
    {{5, 8, 10}, true, true, true},    // three unlinked autosomal
    {{2, 3, 4}, false, false, false},  // three sex-linked
    {{2, 3, 5}, false, true, true},    // two sex-linked, one autosomal
    {{2, 5, 6}, true, true, false},    // one sex-linked, two linked autosomal
    {{2, 5, 8}, true, true, true},     // one sex-linked, two unlinked autosomal
}};

std::int32_t Bit(RandomGenerator& random) { return random.Random15() % 2; }

bool Available(const ExampleSettings& settings, std::int32_t kind) {
  return !settings.unavailable[kind];
}


bool FirstQuestionIs(const ExampleRequest& request, std::int32_t type) {
  return !request.questionTypes.empty() && request.questionTypes.front() == type;
}

bool HasQuestion(const ExampleRequest& request, std::initializer_list<std::int32_t> types) {
  for (const std::int32_t q : request.questionTypes) {
    for (const std::int32_t t : types) {
      if (q == t) return true;
    }
  }
  return false;
}

std::int32_t ExampleKind(GeneticsState& genetics, ExampleState& example, RandomGenerator& random,
                         const ExampleRequest& request, const ExampleSettings& settings) {
  const ExerciseOptions& options = *request.options;
  if (request.trialArrangement != 0) return genetics.kind;  // a trial keeps the exercise's kind
  const bool picked = request.pickedKind != 0 && options.AnyOrganism() &&
                      !(request.pickedKind == kPlant && options.Sexes());
  std::int32_t kind = example.precomputedKinds[request.exercise];
  if (picked) {
    kind = request.pickedKind;
  } else if (settings.randomInExercise && request.tryCount >= 1) {
    kind = KindRule(random, options, settings);
  }
  if (kind < kDinosaurDog || kind > kPlant) kind = KindRule(random, options, settings);
  if (FirstQuestionIs(request, 36)) kind = Bit(random) == 1 ? kFly : kMonkbear;
  if (FirstQuestionIs(request, 23) && !picked) kind = options.Sexes() ? kDinosaurDog : kMonkbear;
  return kind;
}

void LoadKindTexts(GeneticsState& genetics, const StringLists& strings,
                   const ExampleSettings& settings) {
  genetics.vocabulary = LoadVocabulary(strings, genetics.kind);
  genetics.ySymbol = settings.ySymbol;
  for (std::int32_t c = 2; c <= kMaxCharacter; ++c) {
    const std::string& symbol = genetics.vocabulary.characters[c].symbol;
    const char chosen = settings.geneSymbols[static_cast<std::size_t>(genetics.kind)][static_cast<std::size_t>(c)];
    const char letter = chosen != 0 ? chosen : symbol.empty() ? 'X' : symbol[0];
    genetics.upperSymbol[c] = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    genetics.lowerSymbol[c] = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  }
}

}  // namespace

PaletteColour DrawPaletteColour(RandomGenerator& random) {
  PaletteColour colour;
  std::int32_t sum = 0;
  do {
    colour.red = 2 * random.Random15();
    colour.green = 2 * random.Random15();
    colour.blue = 2 * random.Random15();
    sum = colour.red + colour.green + colour.blue;
  } while (sum >= 140000);  // no very light colours
  for (std::int32_t* component : {&colour.red, &colour.green, &colour.blue}) {
    if (*component > 32767) *component -= 65536;
  }
  return colour;
}

std::int32_t KindRule(RandomGenerator& random, const ExerciseOptions& options,
                      const ExampleSettings& settings) {
  const bool sexes = options.Sexes();
  const std::int32_t m = sexes ? 3 : 4;
  bool anyAvailable = false;
  for (std::int32_t k = 1; k <= m; ++k) anyAvailable |= Available(settings, k);
  std::int32_t kind = 0;
  do {
    kind = random.Random15() % m + 1;
  } while (anyAvailable && !Available(settings, kind));

  auto prefer = [&](std::int32_t wanted) {
    if (Available(settings, wanted) || !anyAvailable) kind = wanted;
  };
  if (settings.sexInMonkbears) {
    if ((sexes && kind == kPlant) || (settings.censorMaleDogs && sexes && kind == kDinosaurDog)) {
      prefer(Bit(random) == 1 && Available(settings, kFly) ? kFly : kMonkbear);
    }
  } else if (sexes) {
    const bool dog = !settings.censorMaleDogs && Bit(random) == 1 && Available(settings, kDinosaurDog);
    prefer(dog ? kDinosaurDog : kFly);
  } else {
    prefer(Bit(random) == 1 && Available(settings, kPlant) ? kPlant : kMonkbear);
  }

  if (!options.AnyOrganism()) {
    kind = options.Dog() ? kDinosaurDog : options.Plant() ? kPlant : options.Fly() ? kFly : kMonkbear;
  }
  if (options.HiddenSex()) kind = kMonkbear;
  return kind;
}

void PrecomputeKinds(ExampleState& example, RandomGenerator& random, std::int32_t seed,
                     const std::array<ExerciseOptions, 21>& options, const ExampleSettings& settings) {
  random.RandomSeed(seed);
  for (std::int32_t e = 1; e <= 20; ++e) example.precomputedKinds[e] = KindRule(random, options[e], settings);
}

void ChooseSet(GeneticsState& g, ExampleState& example, RandomGenerator& random,
               const ExampleRequest& request, const ExampleSettings& settings) {
  const ExerciseOptions& options = *request.options;
  g.lociCount = options.LociCount();
  const std::int32_t n = g.lociCount;
  g.hermaphrodite = !options.Sexes();
  g.hiddenSex = options.HiddenSex();
  example.genotypesShown = (options.GenotypesPart() || options.GenotypesYes()) && !options.GenotypesHiddenInitially();
  example.showGenotypes = {};
  for (std::int32_t k = 1; k <= n; ++k) example.showGenotypes[k] = example.genotypesShown || request.trialRunning;
  g.wildNotation = request.chosenWildNotation && options.NotationSwitch() ? *request.chosenWildNotation
                                                                        : options.WildNotation();

  g.locusPosition = {1, 9, 9, 9};
  g.unlinked12 = g.unlinked13 = g.unlinked23 = false;
  if (n == 1) {
    const std::int32_t b = Bit(random);
    const bool autosomal = options.Autosomal() || (options.SexLinkageMixture() && b == 0);
    g.locusPosition[1] = autosomal ? 5 : 2;
  } else if (n == 2) {
    const std::int32_t b = Bit(random);
    const bool autosomal = options.Autosomal() || (options.SexLinkageMixture() && b == 0);
    const bool linked = options.Linked() || (options.LinkageMixture() && b == 0);
    if (autosomal && linked) {
      g.locusPosition = {1, 5, 6, 9};
    } else if (autosomal) {
      g.locusPosition = {1, 5, 8, 9};
      g.unlinked12 = true;
    } else if (linked) {
      g.locusPosition = {1, 2, 5, 9};
      g.unlinked12 = true;
    } else {
      g.locusPosition = {1, 2, 3, 9};
    }
  } else {
    if (request.trialArrangement != 0) {
      example.chooseType = request.trialArrangement;
    } else {
      const std::int32_t b = Bit(random);
      const bool autosomal = options.Autosomal() || (options.SexLinkageMixture() && b == 0);
      if (options.Linked()) {
        example.chooseType = autosomal ? 1 : 4;
      } else if (options.Unlinked()) {
        example.chooseType = autosomal ? 3 : 7;
      } else {
        example.chooseType = options.Autosomal() ? random.Random15() % 3 + 1 : random.Random15() % 7 + 1;
      }
    }
    const Arrangement& arrangement = kArrangements[example.chooseType];
    g.locusPosition = {1, arrangement.positions[0], arrangement.positions[1], arrangement.positions[2]};
    g.unlinked12 = arrangement.unlinked12;
    g.unlinked13 = arrangement.unlinked13;
    g.unlinked23 = arrangement.unlinked23;
  }

  const std::int32_t v = settings.shortDistances ? 3 : 6;
  auto& d = g.intervalDistance;
  do {
    d[1] = 0;
    for (const std::int32_t i : {2, 3, 5, 6}) d[i] = (random.Random15() % v + v / 3) * 5;
    for (const std::int32_t i : {4, 7, 8, 9}) d[i] = 50;
  } while (std::abs(d[2] - d[3]) <= v || std::abs(d[5] - d[6]) <= v);
}

void SetUpExample(GeneticsState& g, ExampleState& example, OffspringState& offspring,
                  RandomGenerator& random, const ExampleRequest& request,
                  const ExampleSettings& settings, const StringLists& strings,
                  const std::function<std::int64_t()>& clock, std::vector<std::string>* alerts) {
  const ExerciseOptions& options = *request.options;
  g.classOffspringCount.fill(0);
  offspring.counters[0] = 0;

  const bool studentSeed = request.fixedSeedMode || request.seedFromStudent;
  example.seed = request.seed ? *request.seed
                 : studentSeed ? request.studentSeed
                               : static_cast<std::int32_t>(clock());
  random.RandomSeed(example.seed);
  const std::int32_t skip = (options.SingleExample() ? 0 : request.tryCount) + 10 * request.exercise;
  std::int32_t last = 0;
  for (std::int32_t i = 0; i < skip; ++i) last = random.Random15();
  if (!request.fixedSeedMode) random.RandomSeed(last);

  // The kind comes from its own draws: the example's stream goes on unchanged.
  random.RandomSave();
  const std::int32_t kind = ExampleKind(g, example, random, request, settings);
  random.RandomRestore();
  g.kind = kind;
  LoadKindTexts(g, strings, settings);

  for (auto& colour : example.palette) colour = DrawPaletteColour(random);
  ChooseSet(g, example, random, request, settings);
  if (request.trialArrangement == 0) {
    CharacterChoice choice;
    choice.options = &options;
    choice.randomBackground = settings.randomCharacters;
    choice.refuseIntermediateCanines =
        request.questionTypes.empty() || HasQuestion(request, {5, 6, 8, 9, 15, 18});
    ChooseCharacters(g, random, choice, example.usedCharacters[request.exercise], alerts);
    for (std::int32_t k = 1; k <= g.lociCount; ++k) {
      example.usedCharacters[request.exercise][g.loci[k].character] = true;
    }
  }
  BuildGenotypeClasses(g);

  const std::int32_t n = g.lociCount;
  example.lociOrder = {};
  for (std::int32_t locus = 1; locus <= n; ++locus) {
    std::int32_t slot = 0;
    do {
      slot = random.Random15() % n + 1;
    } while (example.lociOrder[slot] != 0);
    example.lociOrder[slot] = locus;
  }
  for (std::int32_t q = 1; q <= 10; ++q) {
    for (std::int32_t j = 1; j <= 3; ++j) example.thirtyChoices[q][j] = Bit(random) + 1;
  }

  offspring.gettingStarted = FirstQuestionIs(request, 23);
  offspring.startingCross = true;
  offspring.f1.fill(0);
  PlaceStartingStock(g, example, offspring, random, request);
  example.offspringLabels = !options.HideOffspring() || request.trialRunning;
  if (g.objectClass[kFirstParentObject] != 0 && g.objectClass[kSecondParentObject] != 0) {
    const NewOffspringResult first = NewOffspring(g, offspring, random, false, clock());
    if (first.outcome == OffspringOutcome::Made) OffspringShown(offspring, first.object, clock());
  }
  if (!request.fixedSeedMode) random.RandomSeed(static_cast<std::int32_t>(clock()));
}

}  // namespace crossmere
