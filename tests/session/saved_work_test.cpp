#include "session/saved_work.h"

#include <gtest/gtest.h>

#include "genetics/offspring.h"
#include "layer/string_lists.h"
#include "records/identity.h"
#include "session/example_of.h"

namespace crossmere {
namespace {

std::vector<std::int32_t> WordsOf(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::int32_t> words;
  for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) {
    const std::uint32_t bits = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                               static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    words.push_back(static_cast<std::int32_t>(bits));
  }
  return words;
}

std::vector<std::uint8_t> BytesOf(const std::vector<std::int32_t>& words) {
  std::vector<std::uint8_t> bytes;
  for (const std::int32_t word : words) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(word) >> shift));
  }
  return bytes;
}

// Two exercises done, the Storage container with two plants, a second empty
// tray, a parent pair in the crossing box and one offspring waiting.
SavedWork SmallWork() {
  SavedWork work;
  work.exerciseCount = 2;
  work.current = 2;
  work.studentNumber = 2680;
  work.name = "Ann";
  work.tryCount[1] = 1;
  work.tryCount[2] = 0;
  work.kind = kPlant;
  work.previousKind = kMonkbear;
  work.usedCharacters[2][3] = true;
  work.containersInUse = 2;
  work.containers[0] = {2, 1, "Storage tray", {5, 7}, {16, 138}};
  work.containers[1] = {0, 0, "", {}, {515, 28}};
  work.offspringBoxCount = 1;
  work.exercises[1] = {kMonkbear, 1, 1, 1};
  work.exercises[2] = {kPlant, 0, 0, 2};
  work.totalObtained = 1;
  work.totalPossible = 1;
  work.highestObject = 133;
  work.objectClasses = {5, 6, 7};
  work.pictureBuilt[5] = work.pictureBuilt[6] = work.pictureBuilt[7] = true;
  work.crossingBox = {0, 131, 132, 0, 1, 2};
  work.offspringWords = {3, 1, 1, 133, 1};
  work.objectPlaces = {{10, 20}, {30, 40}, {250, 30}};
  SavedWorkExtension& extension = work.extension.emplace();
  extension.setOffset = kElementarySet;
  extension.usedBeforeTry[4] = true;
  extension.exampleSeed = -5;
  extension.exampleTry = 1;
  extension.pickedKind = kPlant;
  extension.example.kind = kPlant;
  extension.example.lociCount = 1;
  extension.example.loci[1] = {9, 4, 1, false, {1, 3, 3}};
  extension.example.palette[0] = {120, 121, 122};
  extension.example.offspringLabels = true;
  extension.example.questions.count = 2;
  extension.example.questions.types[1] = 3;
  extension.example.questions.types[2] = 13;
  extension.exercises[1] = {kMonkbear, 1, 1, 1, true};
  extension.exercises[2] = {kPlant, 0, 0, 0, false};
  RandomGenerator generator;
  generator.RandomSeed(77);
  extension.generator = generator.CurrentState();
  return work;
}

// Words of the example in the block: organism, loci, three loci of seven,
// four colours of three, two label flags, a question count and ten types.
constexpr std::size_t kExampleWords = 2 + 21 + 12 + 2 + 1 + 10;

SavedWork PartOnly() {
  SavedWork work = SmallWork();
  work.extension.reset();
  return work;
}

TEST(SavedWorkFile, WordsFollowTheLayoutOneByOne) {
  std::vector<std::int32_t> expected = {2, 2, 2680, 3, 'A', 'n', 'n', 1, 0, kPlant, kMonkbear};
  for (std::int32_t ex = 1; ex <= 20; ++ex) {
    for (std::int32_t c = 2; c <= 9; ++c) expected.push_back(ex == 2 && c == 3 ? 1 : 0);
  }
  expected.push_back(2);
  expected.insert(expected.end(), {2, 1, 0, 0});
  for (std::int32_t k = 3; k <= 17; ++k) expected.insert(expected.end(), {-1, 0});
  expected.push_back(1);
  expected.insert(expected.end(), {12, 'S', 't', 'o', 'r', 'a', 'g', 'e', ' ', 't', 'r', 'a', 'y', 0});
  expected.insert(expected.end(), {kMonkbear, 1, 1, 1, 1, 1, kPlant, 0, 0, 2, 1, 1});
  expected.insert(expected.end(), {133, 5, 6, 7});
  for (std::int32_t c = 1; c <= 128; ++c) expected.push_back(c >= 5 && c <= 7 ? 1 : 0);
  expected.insert(expected.end(), {0, 131, 132, 0, 1, 2, 3, 1, 1, 133, 1});
  expected.insert(expected.end(), {5, 7});
  expected.insert(expected.end(), {10, 20, 30, 40, 250, 30});
  expected.insert(expected.end(), {16, 138, 515, 28});

  const std::vector<std::uint8_t> bytes = EncodeSavedWork(PartOnly());
  const std::vector<std::int32_t> words = WordsOf(bytes);
  ASSERT_EQ(words.size(), expected.size());
  for (std::size_t k = 0; k < words.size(); ++k) EXPECT_EQ(words[k], expected[k]) << "word " << k;
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[1], 0) << "little-endian";
  EXPECT_EQ(WordsOf(std::vector<std::uint8_t>(bytes.begin() + 4 * 15, bytes.begin() + 4 * 16))[0], 0)
      << "an unused character flag";
}

TEST(SavedWorkFile, TheBlockAfterTheFixedItemsFollowsItsLayout) {
  const auto fixed = WordsOf(EncodeSavedWork(PartOnly()));
  const auto words = WordsOf(EncodeSavedWork(SmallWork()));
  ASSERT_EQ(std::vector<std::int32_t>(words.begin(), words.begin() + fixed.size()), fixed);
  const auto block = std::vector<std::int32_t>(words.begin() + fixed.size(), words.end());
  ASSERT_EQ(block.size(), 3u + 1 + 8 + 3 + kExampleWords + 5 * 20 + 3 + 607);
  EXPECT_EQ(block[0], 0x42584D43) << "\"CMXB\"";
  EXPECT_EQ(block[1], 1) << "version";
  EXPECT_EQ(block[2], static_cast<std::int32_t>(block.size()) - 3) << "words that follow";
  EXPECT_EQ(block[3], kElementarySet);
  EXPECT_EQ(std::vector<std::int32_t>(block.begin() + 4, block.begin() + 12),
            (std::vector<std::int32_t>{0, 0, 1, 0, 0, 0, 0, 0}))
      << "characters 2..9 used before the try";
  EXPECT_EQ(block[12], -5) << "seed";
  EXPECT_EQ(block[13], 1) << "the try it was made at";
  EXPECT_EQ(block[14], kPlant) << "the organism chosen";
  EXPECT_EQ(std::vector<std::int32_t>(block.begin() + 15, block.begin() + 24),
            (std::vector<std::int32_t>{kPlant, 1, 9, 4, 1, 0, 1, 3, 3}))
      << "the example: organism, loci, then locus 1: position, character, dominant allele, lethal, phenotypes";
  EXPECT_EQ(block[15 + 2 + 21], 120) << "the first colour's red";
  EXPECT_EQ(block[15 + 2 + 21 + 12], 1) << "offspring labels";
  EXPECT_EQ(std::vector<std::int32_t>(block.begin() + 15 + 37, block.begin() + 15 + 40),
            (std::vector<std::int32_t>{2, 3, 13})) << "its question list";
  const std::size_t exercises = 15 + kExampleWords;
  EXPECT_EQ(std::vector<std::int32_t>(block.begin() + exercises, block.begin() + exercises + 5),
            (std::vector<std::int32_t>{kMonkbear, 1, 1, 1, 1}))
      << "exercise 1: kind, tries, marks obtained and possible, completed";
  RandomGenerator generator;
  generator.RandomSeed(77);
  const std::size_t g = exercises + 5 * 20;
  EXPECT_EQ(static_cast<std::uint32_t>(block[g]), generator.CurrentState().seedStream);
  EXPECT_EQ(block[g + 1], 1);
  EXPECT_EQ(block[g + 2], 148);
  EXPECT_EQ(block[g + 3], generator.CurrentState().lagged[1]);
  EXPECT_EQ(block.back(), generator.CurrentState().lagged[607]);
}

TEST(SavedWorkFile, ABlockOutOfItsBoundsIsRejected) {
  const std::size_t start = WordsOf(EncodeSavedWork(PartOnly())).size();
  struct Bad {
    std::size_t word;  // within the block
    std::int32_t value;
    const char* problem;
  };
  const std::size_t g = 15 + kExampleWords + 5 * 20;
  for (const Bad& bad : {Bad{3, 7, "the exercise set is out of range"}, Bad{4, 2, "a used character is out of range"},
                         Bad{14, 5, "the organism chosen is out of range"},
                         Bad{15, 0, "the example's organism is out of range"},
                         Bad{16, 4, "the example's number of loci is out of range"},
                         Bad{17, 11, "a locus is out of range"},
                         Bad{15 + 37, 11, "the example's question list is out of range"},
                         Bad{g + 1, 0, "the generator is out of range"},
                         Bad{g + 2, 150, "the generator is out of range"},
                         Bad{g + 3, 32768, "the generator is out of range"}}) {
    auto words = WordsOf(EncodeSavedWork(SmallWork()));
    words[start + bad.word] = bad.value;
    SavedWorkProblem problem;
    EXPECT_FALSE(DecodeSavedWork(BytesOf(words), &problem).has_value()) << bad.word;
    EXPECT_EQ(problem.what, bad.problem) << bad.word;
  }
}

TEST(SavedWorkFile, ReadingGivesBackWhatWasWritten) {
  const SavedWork work = SmallWork();
  SavedWorkProblem problem;
  const auto read = DecodeSavedWork(EncodeSavedWork(work), &problem);
  ASSERT_TRUE(read.has_value()) << problem.what;
  EXPECT_EQ(*read, work);
}

TEST(SavedWorkFile, NamesAreLatinOneWithAQuestionMarkForTheRest) {
  SavedWork work = SmallWork();
  work.name = "Zoë \xE6\x9D\x8E";  // e with diaeresis, then a character beyond Latin-1
  const auto words = WordsOf(EncodeSavedWork(work));
  EXPECT_EQ(std::vector<std::int32_t>(words.begin() + 3, words.begin() + 9),
            (std::vector<std::int32_t>{5, 'Z', 'o', 0xEB, ' ', '?'}));
  const auto read = DecodeSavedWork(EncodeSavedWork(work));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->name, "Zoë ?");
}

TEST(SavedWorkFile, NoNameNoIndividualsAndAnEmptyContainer) {
  SavedWork work = SmallWork();
  work.name.clear();
  work.highestObject = 130;
  work.objectClasses.clear();
  work.objectPlaces.clear();
  work.crossingBox = {0, 0, 0, 0, 0, 2};
  work.offspringWords = {0, 1, 0, 0, 0};
  work.offspringBoxCount = 0;
  const auto words = WordsOf(EncodeSavedWork(work));
  EXPECT_EQ(words[3], 0) << "L = 0 and no name words";
  EXPECT_EQ(words[4], 1) << "the try count of exercise 1 follows at once";
  const auto read = DecodeSavedWork(EncodeSavedWork(work));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, work);
  // The empty tray: its name and place but no contents.
  EXPECT_EQ(read->containers[1].count, 0);
  EXPECT_EQ(read->containers[1].place, (ScreenPlace{515, 28}));
  EXPECT_TRUE(read->containers[1].classes.empty());
}

TEST(SavedWorkFile, EveryShortenedFileIsRejected) {
  const SavedWork partOnly = PartOnly();
  const std::size_t fixedItems = EncodeSavedWork(partOnly).size();
  const auto bytes = EncodeSavedWork(SmallWork());
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    if (length == fixedItems) {
      EXPECT_EQ(DecodeSavedWork(std::span(bytes.data(), length)), partOnly)
          << "without its block, the file is one of the fixed items alone";
      continue;
    }
    SavedWorkProblem problem;
    EXPECT_FALSE(DecodeSavedWork(std::span(bytes.data(), length), &problem).has_value()) << length;
    EXPECT_FALSE(problem.what.empty()) << length;
  }
}

TEST(SavedWorkFile, AWellFramedBlockAfterTheItemsIsPassedOverAndAnythingElseRejected) {
  auto words = WordsOf(EncodeSavedWork(PartOnly()));
  auto framed = words;
  framed.insert(framed.end(), {0x42584D43, 99, 2, 7, 8});
  EXPECT_TRUE(DecodeSavedWork(BytesOf(framed)).has_value());
  auto loose = words;
  loose.insert(loose.end(), {0x42584D43, 99, 5, 7, 8});
  SavedWorkProblem problem;
  EXPECT_FALSE(DecodeSavedWork(BytesOf(loose), &problem).has_value());
  EXPECT_EQ(problem.what, "words follow the saved work");
  words.push_back(0);
  EXPECT_FALSE(DecodeSavedWork(BytesOf(words)).has_value());
}

struct BadWord {
  const char* name;
  std::size_t word;  // index into SmallWork's words
  std::int32_t value;
  const char* problem;
};

class SavedWorkBounds : public ::testing::TestWithParam<BadWord> {};

TEST_P(SavedWorkBounds, AreRejected) {
  auto words = WordsOf(EncodeSavedWork(SmallWork()));
  const BadWord& bad = GetParam();
  ASSERT_LT(bad.word, words.size());
  words[bad.word] = bad.value;
  SavedWorkProblem problem;
  EXPECT_FALSE(DecodeSavedWork(BytesOf(words), &problem).has_value());
  EXPECT_EQ(problem.what, bad.problem);
}

// Word places in SmallWork: 0 N, 1 current, 2 number, 3 L, 7 try 1, 9 kind,
// 11..170 used characters, 171 containers in use, 172.. counts and crosses,
// 206 offspring box, 207 Storage's name length, 221 exercise 1's kind,
// 233 H, 234 class of 131, 237.. picture flags, 365.. crossing box, 371..
// offspring words, 376 Storage's first individual, 378 first place.
INSTANTIATE_TEST_SUITE_P(
    SavedWorkFile, SavedWorkBounds,
    ::testing::Values(BadWord{"TooManyExercises", 0, 21, "the number of exercises is out of range"},
                      BadWord{"HugeExerciseCount", 0, 786809420, "the number of exercises is out of range"},
                      BadWord{"NoCurrentExercise", 1, 0, "the current exercise is out of range"},
                      BadWord{"ShortStudentNumber", 2, 999, "the student number is out of range"},
                      BadWord{"LongName", 3, 65, "the name is out of range"},
                      BadWord{"NameBeyondLatinOne", 4, 256, "the name is out of range"},
                      BadWord{"NegativeTries", 7, -1, "a try count is out of range"},
                      BadWord{"NoSuchOrganism", 9, 5, "the organism is out of range"},
                      BadWord{"FlagOtherThanOneOrZero", 20, 2, "a used character is out of range"},
                      BadWord{"EighteenContainers", 171, 18, "the number of containers is out of range"},
                      BadWord{"OverfullContainer", 172, 101, "a container's count is out of range"},
                      BadWord{"TwoInTheOffspringBox", 206, 2, "the offspring box is out of range"},
                      BadWord{"LongContainerName", 207, 129, "a container's name is out of range"},
                      BadWord{"ExercisesOrganism", 221, 9, "an exercise's organism is out of range"},
                      BadWord{"ObjectBeyondTheWorkspace", 233, 541, "the highest individual is out of range"},
                      BadWord{"NoSuchClass", 234, 129, "an individual's genotype is out of range"},
                      BadWord{"NegativeCrossingBox", 366, -3, "the crossing box is out of range"},
                      BadWord{"ClassZeroInAContainer", 376, 0, "a container's individual is out of range"},
                      BadWord{"OffTheLayout", 378, 1281, "an individual's place is out of range"},
                      BadWord{"ContainersDisagree", 171, 3, "its number of containers does not match them"},
                      BadWord{"CountsDoNotAddUp", 370, 3, "its containers' counts do not add up"},
                      BadWord{"ParentNotThere", 366, 140, "its crossing box holds individuals it does not have"},
                      BadWord{"WaitingOffspringNotThere", 374, 0,
                              "its offspring box does not match its individuals"}),
    [](const auto& info) { return std::string(info.param.name); });

class SavedSession : public ::testing::Test {
 protected:
  SavedSession() {
    state = RecreateExample(strings, NameToNumber("Ann"), kElementarySet, 5);
    state.identity.name = "Ann";
    state.identity.nameGiven = true;
  }

  WorkspacePlaces Places() const {
    WorkspacePlaces places;
    for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
      places.objects[object] = {object % 700, object % 500};
    }
    for (std::int32_t k = 0; k < kContainerCount; ++k) places.containers[k] = {20 * k, 138};
    return places;
  }

  StringLists strings;
  SessionState state;
  Clock clock = [] { return std::int64_t{4321}; };
};

TEST_F(SavedSession, SaveRestoreSaveGivesTheSameBytesAndTheSameOffspring) {
  state.progress.marksObtained[1] = 3;
  state.progress.marksPossible[1] = 4;
  state.progress.totalObtained = 3;
  state.progress.totalPossible = 4;
  const auto bytes = EncodeSavedWork(CaptureWork(state, Places()));
  SavedWorkProblem problem;
  const auto work = DecodeSavedWork(bytes, &problem);
  ASSERT_TRUE(work.has_value()) << problem.what;
  SessionState elsewhere;  // another computer: a fresh run
  elsewhere.startup = state.startup;
  elsewhere.exercises = state.exercises;
  auto restored = RestoredState(elsewhere, *work, strings, clock, &problem);
  ASSERT_TRUE(restored.has_value()) << problem.what;
  EXPECT_EQ(EncodeSavedWork(CaptureWork(*restored, Places())), bytes);
  EXPECT_EQ(restored->identity.name, "Ann");
  EXPECT_EQ(restored->progress.totalObtained, 3);
  EXPECT_EQ(restored->containers.Record(containers::kFirst).name, state.containers.Record(containers::kFirst).name);

  // The restored example breeds as the saved one would have.
  SessionState uninterrupted = state;
  for (std::int32_t i = 0; i < 10; ++i) {
    EXPECT_EQ(Mendel(restored->genetics, restored->offspring, restored->random),
              Mendel(uninterrupted.genetics, uninterrupted.offspring, uninterrupted.random))
        << "offspring " << i;
  }
}

TEST(SavedWorkFile, AFileWithoutStorageIsRejected) {
  SavedWork work = SmallWork();
  work.containers[0] = SavedWork::Container();
  work.containersInUse = 1;
  work.crossingBox[5] = 0;
  SavedWorkProblem problem;
  EXPECT_FALSE(DecodeSavedWork(EncodeSavedWork(work), &problem).has_value());
  EXPECT_EQ(problem.what, "it has no Storage container");
}

TEST_F(SavedSession, AnExampleThatIsNotTheStudentsOwnComesBackToo) {
  // A student without a name meets examples seeded from the clock.
  state.identity.name = std::string(kPlaceholderName);
  const Clock then = [] { return std::int64_t{98765}; };
  StartExample(state, strings, then, nullptr);
  const auto bytes = EncodeSavedWork(CaptureWork(state, Places()));
  SessionState elsewhere;
  elsewhere.startup = state.startup;
  elsewhere.exercises = state.exercises;
  SavedWorkProblem problem;
  const auto restored = RestoredState(elsewhere, *DecodeSavedWork(bytes), strings, clock, &problem);
  ASSERT_TRUE(restored.has_value()) << problem.what;
  EXPECT_EQ(restored->genetics.classes, state.genetics.classes);
  EXPECT_EQ(restored->genetics.loci[1].character, state.genetics.loci[1].character);
  EXPECT_EQ(restored->genetics.objectClass, state.genetics.objectClass);
  EXPECT_EQ(restored->example.palette[1].red, state.example.palette[1].red);
  EXPECT_EQ(EncodeSavedWork(CaptureWork(*restored, Places())), bytes);
}

// Should the example ever be made differently, the file's own record of it
// tells, and the work is refused rather than laid over another example.
TEST_F(SavedSession, AnExampleMadeDifferentlyIsRefused) {
  SavedWork work = CaptureWork(state, Places());
  ASSERT_TRUE(work.extension.has_value());
  work.extension->example.loci[1].character += 1;
  SavedWorkProblem problem;
  EXPECT_FALSE(RestoredState(state, work, strings, clock, &problem).has_value());
  EXPECT_EQ(problem.what, "its example was made by another version of Crossmere and cannot be made again");
}

// A class with its own list of three exercises cannot take work of another list.
TEST_F(SavedSession, WorkOfAnotherClassListIsRefused) {
  const SavedWork work = CaptureWork(state, Places());
  SessionState classOfThree = state;
  classOfThree.exercises.nominated = 3;
  SavedWorkProblem problem;
  ASSERT_NE(work.exerciseCount, 3);
  EXPECT_FALSE(RestoredState(classOfThree, work, strings, clock, &problem).has_value());
  EXPECT_EQ(problem.what, "it was saved under another class set-up");
}

TEST_F(SavedSession, IndividualsThatDoNotBelongToTheExampleAreRefused) {
  SavedWork work = CaptureWork(state, Places());
  ASSERT_FALSE(work.objectClasses.empty());
  work.objectClasses[0] = 127;  // alleles at a third locus of a one-locus example
  SavedWorkProblem problem;
  EXPECT_FALSE(RestoredState(state, work, strings, clock, &problem).has_value());
  EXPECT_EQ(problem.what, "its individuals do not belong to the student's example");
}

TEST_F(SavedSession, StorageIsCompactedBeforeSaving) {
  ContainerRecord& storage = state.containers.Record(containers::kFirst);
  storage = ContainerRecord();
  storage.name = "Storage cage";
  storage.count = 2;
  storage.spots[3] = 5;
  storage.spots[9] = 6;
  state.containers.storageSpots = 9;
  CompactStorage(state.containers);
  EXPECT_EQ(storage.spots[1], 5);
  EXPECT_EQ(storage.spots[2], 6);
  EXPECT_EQ(storage.spots[3], 0);
  EXPECT_EQ(state.containers.storageSpots, 2);
}

TEST_F(SavedSession, TheProposedNameSaysWhoseWorkItIs) {
  EXPECT_EQ(ProposedFileName(state), "Ann's animals");
  state.genetics.kind = kPlant;
  EXPECT_EQ(ProposedFileName(state), "Ann's animals") << "a named plant student too";
  state.identity.name.clear();
  EXPECT_EQ(ProposedFileName(state), std::to_string(NameToNumber("Ann")) + "'s plants");
  state.genetics.kind = kFly;
  EXPECT_EQ(ProposedFileName(state), std::to_string(NameToNumber("Ann")) + "'s animals");
  state.identity.name = "a/b\\c:d*e?f\"g<h>i|j\tk";
  EXPECT_EQ(ProposedFileName(state), "a_b_c_d_e_f_g_h_i_j_k's animals");
  state.identity.name = std::string(80, 'x');
  EXPECT_EQ(ProposedFileName(state), std::string(74, 'x') + "'s animals");
}

}  // namespace
}  // namespace crossmere
