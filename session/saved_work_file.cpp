#include "session/saved_work_file.h"

#include <algorithm>
#include <limits>

#include "exercises/question_types.h"
#include "layer/latin1.h"

namespace crossmere {
namespace {

constexpr std::int32_t kMaxTries = 1'000'000;
constexpr std::int32_t kMaxMarks = 1'000'000;
constexpr std::int32_t kMaxCross = 1'000'000;
constexpr std::int32_t kMaxCount = 1'000'000;
constexpr char kUnstorable = '?';

// UTF-8 text as Latin-1 codes; a character beyond Latin-1 (or a broken
// sequence) is stored as "?".
std::vector<std::int32_t> StorableCodes(const std::string& text, std::size_t most) {
  std::vector<std::int32_t> codes = Latin1Codes(text, most);
  for (std::int32_t& code : codes) {
    if (code == kNotLatin1) code = kUnstorable;
  }
  return codes;
}

std::string TextOfCodes(const std::vector<std::int32_t>& codes) {
  std::string text;
  for (const std::int32_t code : codes) {
    if (code < 0x80) {
      text.push_back(static_cast<char>(code));
    } else {
      text.push_back(static_cast<char>(0xC0 | (code >> 6)));
      text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return text;
}

class WordWriter {
 public:
  void Word(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
  }
  void Flag(bool on) { Word(on ? 1 : 0); }
  void Text(const std::string& text, std::size_t most) {
    const auto codes = StorableCodes(text, most);
    Word(static_cast<std::int32_t>(codes.size()));
    for (const std::int32_t code : codes) Word(code);
  }
  std::vector<std::uint8_t> Bytes() && { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Reads words in order; the first word that is missing or out of its bounds
// stops everything and says why.
class WordReader {
 public:
  explicit WordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Word(std::int32_t& value, std::int32_t least, std::int32_t most, const char* what) {
    if (failed_) return false;
    if (at_ + 4 > bytes_.size()) return Fail(std::string("the file ends before ") + what);
    std::uint32_t bits = 0;
    for (int k = 3; k >= 0; --k) bits = (bits << 8) | bytes_[at_ + k];
    at_ += 4;
    // A word out of bounds is never stored: counts read later stay in range.
    const auto read = static_cast<std::int32_t>(bits);
    if (read < least || read > most) return Fail(std::string(what) + " is out of range");
    value = read;
    return true;
  }
  bool Flag(bool& on, const char* what) {
    std::int32_t value = 0;
    if (!Word(value, 0, 1, what)) return false;
    on = value == 1;
    return true;
  }
  bool Text(std::string& text, std::int32_t most, const char* what) {
    std::int32_t length = 0;
    if (!Word(length, 0, most, what)) return false;
    std::vector<std::int32_t> codes(length);
    for (std::int32_t& code : codes) {
      if (!Word(code, 0, 255, what)) return false;
    }
    text = TextOfCodes(codes);
    return true;
  }
  bool Fail(std::string why) {
    if (!failed_) problem_ = std::move(why);
    failed_ = true;
    return false;
  }

  std::size_t WordsLeft() const { return (bytes_.size() - at_) / 4; }
  bool Failed() const { return failed_; }
  const std::string& Problem() const { return problem_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool failed_ = false;
  std::string problem_;
};

bool Exists(const SavedWork::Container& container) { return container.count >= 0; }

bool ReadPlace(WordReader& in, ScreenPlace& place, const LayoutSize& layout, const char* what) {
  return in.Word(place.x, 0, layout.width, what) && in.Word(place.y, 0, layout.height, what);
}

constexpr std::int32_t kExtensionMarker = 0x42584D43;  // "CMXB" as a little-endian word
constexpr std::int32_t kExtensionVersion = 1;
constexpr std::int32_t kExampleLength = 2 + 7 * 3 + 3 * 4 + 2 + 1 + kMaxQuestions;
constexpr std::int32_t kExtensionLength = 1 + (kMaxCharacter - 1) + 3 + kExampleLength + 5 * kExercisesPerSet + 3 +
                                          RandomGenerator::kTableSize;

void WriteExtension(WordWriter& out, const SavedWorkExtension& extension) {
  out.Word(kExtensionMarker);
  out.Word(kExtensionVersion);
  out.Word(kExtensionLength);
  out.Word(extension.setOffset);
  for (std::int32_t c = 2; c <= kMaxCharacter; ++c) out.Flag(extension.usedBeforeTry[c]);
  out.Word(extension.exampleSeed);
  out.Word(extension.exampleTry);
  out.Word(extension.pickedKind);
  const SavedWorkExtension::Example& example = extension.example;
  out.Word(example.kind);
  out.Word(example.lociCount);
  for (std::int32_t k = 1; k <= 3; ++k) {
    const auto& locus = example.loci[k];
    out.Word(locus.position);
    out.Word(locus.character);
    out.Word(locus.dominantAllele);
    out.Flag(locus.lethal);
    for (const std::int32_t value : locus.phenotype) out.Word(value);
  }
  for (const PaletteColour& colour : example.palette) {
    out.Word(colour.red);
    out.Word(colour.green);
    out.Word(colour.blue);
  }
  out.Flag(example.offspringLabels);
  out.Flag(example.unlinkedLabelColours);
  out.Word(example.questions.count);
  for (std::int32_t q = 1; q <= kMaxQuestions; ++q) out.Word(example.questions.types[q]);
  for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
    const auto& exercise = extension.exercises[ex];
    out.Word(exercise.kind);
    out.Word(exercise.tries);
    out.Word(exercise.obtained);
    out.Word(exercise.possible);
    out.Flag(exercise.completed);
  }
  const RandomGenerator::State& generator = extension.generator;
  out.Word(static_cast<std::int32_t>(generator.seedStream));
  out.Word(generator.tapI);
  out.Word(generator.tapJ);
  for (std::int32_t k = 1; k <= RandomGenerator::kTableSize; ++k) out.Word(generator.lagged[k]);
}

bool ReadExtensionBody(WordReader& in, SavedWorkExtension& read) {
  const auto most = std::numeric_limits<std::int32_t>::max();
  const auto least = std::numeric_limits<std::int32_t>::min();
  in.Word(read.setOffset, kAdvancedSet, kElementarySet, "the exercise set");
  if (read.setOffset != kAdvancedSet && read.setOffset != kElementarySet) return in.Fail("the exercise set is out of range");
  for (std::int32_t c = 2; c <= kMaxCharacter; ++c) in.Flag(read.usedBeforeTry[c], "a used character");
  in.Word(read.exampleSeed, least, most, "the example's seed");
  in.Word(read.exampleTry, 0, kMaxTries, "the example's try");
  in.Word(read.pickedKind, 0, kPlant, "the organism chosen");
  SavedWorkExtension::Example& example = read.example;
  in.Word(example.kind, kDinosaurDog, kPlant, "the example's organism");
  in.Word(example.lociCount, 1, 3, "the example's number of loci");
  for (std::int32_t k = 1; k <= 3; ++k) {
    auto& locus = example.loci[k];
    in.Word(locus.position, 0, kPositions, "a locus");
    in.Word(locus.character, 0, kMaxCharacter, "a locus");
    in.Word(locus.dominantAllele, 0, 1, "a locus");
    in.Flag(locus.lethal, "a locus");
    for (std::int32_t& value : locus.phenotype) in.Word(value, 0, 3, "a locus");
  }
  for (PaletteColour& colour : example.palette) {
    in.Word(colour.red, least, most, "a colour");
    in.Word(colour.green, least, most, "a colour");
    in.Word(colour.blue, least, most, "a colour");
  }
  in.Flag(example.offspringLabels, "the example's labels");
  in.Flag(example.unlinkedLabelColours, "the example's labels");
  in.Word(example.questions.count, 0, kMaxQuestions, "the example's question list");
  for (std::int32_t q = 1; q <= kMaxQuestions; ++q) in.Word(example.questions.types[q], 0, kLastQuestionType, "the example's question list");
  for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
    auto& exercise = read.exercises[ex];
    in.Word(exercise.kind, 0, kPlant, "an exercise's organism");
    in.Word(exercise.tries, 0, kMaxTries, "a try count");
    in.Word(exercise.obtained, 0, kMaxMarks, "an exercise's marks");
    in.Word(exercise.possible, 0, kMaxMarks, "an exercise's marks");
    in.Flag(exercise.completed, "an exercise's completion");
  }
  RandomGenerator::State& generator = read.generator;
  std::int32_t stream = 0;
  in.Word(stream, least, most, "the generator");
  generator.seedStream = static_cast<std::uint32_t>(stream);
  in.Word(generator.tapI, 1, RandomGenerator::kTableSize, "the generator");
  in.Word(generator.tapJ, 1, RandomGenerator::kTableSize, "the generator");
  for (std::int32_t k = 1; k <= RandomGenerator::kTableSize; ++k) in.Word(generator.lagged[k], 0, 32767, "the generator");
  // The two taps always stand the same distance apart.
  if (!in.Failed() && (generator.tapI - 1 + RandomGenerator::kTapDistance) % RandomGenerator::kTableSize + 1 != generator.tapJ) {
    return in.Fail("the generator is out of range");
  }
  return !in.Failed();
}

// Words after the fixed items: nothing, or one block framed by a marker, a
// version and the number of words that follow, reaching the end of the
// file. A block of another marker or version is passed over.
bool ReadExtension(WordReader& in, std::optional<SavedWorkExtension>& extension) {
  if (in.WordsLeft() == 0) return true;
  std::int32_t marker = 0, version = 0, length = 0;
  const auto most = std::numeric_limits<std::int32_t>::max();
  const auto least = std::numeric_limits<std::int32_t>::min();
  if (!in.Word(marker, least, most, "the extension's marker") || !in.Word(version, least, most, "its version") ||
      !in.Word(length, 0, most, "its length")) {
    return false;
  }
  if (static_cast<std::size_t>(length) != in.WordsLeft()) return in.Fail("words follow the saved work");
  if (marker != kExtensionMarker || version != kExtensionVersion || length != kExtensionLength) {
    std::int32_t skipped = 0;
    while (in.WordsLeft() > 0) in.Word(skipped, least, most, "the extension");
    return true;
  }
  return ReadExtensionBody(in, extension.emplace());
}

bool Fail(SavedWorkProblem* problem, std::string what) {
  if (problem) problem->what = std::move(what);
  return false;
}

}  // namespace

std::vector<std::uint8_t> EncodeSavedWork(const SavedWork& work) {
  WordWriter out;
  const std::int32_t n = work.exerciseCount;
  out.Word(n);
  out.Word(work.current);
  out.Word(work.studentNumber);
  out.Text(work.name, kMaxNameLength);
  for (std::int32_t ex = 1; ex <= n; ++ex) out.Word(work.tryCount[ex]);
  out.Word(work.kind);
  out.Word(work.previousKind);
  for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
    for (std::int32_t c = 2; c <= kMaxCharacter; ++c) out.Flag(work.usedCharacters[ex][c]);
  }
  out.Word(work.containersInUse);
  for (const auto& container : work.containers) {
    out.Word(container.count);
    out.Word(container.cross);
  }
  out.Word(work.offspringBoxCount);
  for (const auto& container : work.containers) {
    if (Exists(container)) out.Text(container.name, kMaxContainerName);
  }
  for (std::int32_t ex = 1; ex <= n; ++ex) {
    const auto& record = work.exercises[ex];
    out.Word(record.kind);
    out.Word(record.obtained);
    out.Word(record.possible);
    out.Word(record.attempted);
    out.Word(work.totalObtained);
    out.Word(work.totalPossible);
  }
  out.Word(work.highestObject);
  for (const std::int32_t classNumber : work.objectClasses) out.Word(classNumber);
  for (std::int32_t c = 1; c <= kClassCount; ++c) out.Flag(work.pictureBuilt[c]);
  for (const std::int32_t word : work.crossingBox) out.Word(word);
  for (const std::int32_t word : work.offspringWords) out.Word(word);
  for (const auto& container : work.containers) {
    for (const std::int32_t classNumber : container.classes) out.Word(classNumber);
  }
  for (const ScreenPlace& place : work.objectPlaces) {
    out.Word(place.x);
    out.Word(place.y);
  }
  for (const auto& container : work.containers) {
    if (!Exists(container)) continue;
    out.Word(container.place.x);
    out.Word(container.place.y);
  }
  if (work.extension) WriteExtension(out, *work.extension);
  return std::move(out).Bytes();
}

std::optional<SavedWork> DecodeSavedWork(std::span<const std::uint8_t> bytes, SavedWorkProblem* problem) {
  const LayoutSize& layout = kLargestLayout;
  if (bytes.size() % 4 != 0) {
    Fail(problem, "its length is not a whole number of words");
    return std::nullopt;
  }
  WordReader in(bytes);
  SavedWork work;
  std::int32_t& n = work.exerciseCount;
  in.Word(n, 0, kExercisesPerSet, "the number of exercises");
  in.Word(work.current, 1, kExercisesPerSet, "the current exercise");
  in.Word(work.studentNumber, 1000, 9999, "the student number");
  in.Text(work.name, static_cast<std::int32_t>(kMaxNameLength), "the name");
  for (std::int32_t ex = 1; ex <= n; ++ex) in.Word(work.tryCount[ex], 0, kMaxTries, "a try count");
  in.Word(work.kind, kDinosaurDog, kPlant, "the organism");
  in.Word(work.previousKind, 0, kPlant, "the previous organism");
  for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
    for (std::int32_t c = 2; c <= kMaxCharacter; ++c) in.Flag(work.usedCharacters[ex][c], "a used character");
  }
  in.Word(work.containersInUse, 1, kContainerCount, "the number of containers");
  for (auto& container : work.containers) {
    in.Word(container.count, -1, containers::kCapacity, "a container's count");
    in.Word(container.cross, -1, kMaxCross, "a container's cross");
  }
  in.Word(work.offspringBoxCount, 0, 1, "the offspring box");
  for (auto& container : work.containers) {
    if (Exists(container)) in.Text(container.name, static_cast<std::int32_t>(kMaxContainerName), "a container's name");
  }
  for (std::int32_t ex = 1; ex <= n; ++ex) {
    auto& record = work.exercises[ex];
    in.Word(record.kind, 0, kPlant, "an exercise's organism");
    in.Word(record.obtained, 0, kMaxMarks, "an exercise's marks");
    in.Word(record.possible, 0, kMaxMarks, "an exercise's marks");
    in.Word(record.attempted, 0, kExercisesPerSet, "the list of exercises attempted");
    in.Word(work.totalObtained, 0, kMaxMarks, "the total marks");
    in.Word(work.totalPossible, 0, kMaxMarks, "the total marks");
  }
  in.Word(work.highestObject, 0, kLastOffspringObject, "the highest individual");
  for (std::int32_t object = kFirstOffspringObject; object <= work.highestObject && !in.Failed(); ++object) {
    in.Word(work.objectClasses.emplace_back(), 0, kClassCount, "an individual's genotype");
  }
  for (std::int32_t c = 1; c <= kClassCount; ++c) in.Flag(work.pictureBuilt[c], "a picture flag");
  for (std::int32_t& word : work.crossingBox) in.Word(word, 0, kMaxCount, "the crossing box");
  for (std::int32_t& word : work.offspringWords) in.Word(word, 0, kMaxCount, "the offspring box");
  for (auto& container : work.containers) {
    for (std::int32_t slot = 1; slot <= container.count && !in.Failed(); ++slot) {
      in.Word(container.classes.emplace_back(), 1, kClassCount, "a container's individual");
    }
  }
  for (const std::int32_t classNumber : work.objectClasses) {
    if (classNumber > 0 && !in.Failed()) ReadPlace(in, work.objectPlaces.emplace_back(), layout, "an individual's place");
  }
  for (auto& container : work.containers) {
    if (Exists(container) && !in.Failed()) ReadPlace(in, container.place, layout, "a container's place");
  }
  ReadExtension(in, work.extension);
  if (in.Failed()) {
    Fail(problem, in.Problem());
    return std::nullopt;
  }

  // Counts that must agree with each other.
  const auto existing = std::count_if(work.containers.begin(), work.containers.end(), Exists);
  std::int32_t held = 0;
  for (const auto& container : work.containers) held += std::max(container.count, 0);
  auto object = [&](std::int32_t number) {
    return number >= kFirstOffspringObject && number <= work.highestObject &&
           work.objectClasses[number - kFirstOffspringObject] > 0;
  };
  const std::int32_t pending = work.offspringWords[3];
  std::string why;
  if (!Exists(work.containers[0])) why = "it has no Storage container";
  else if (existing != work.containersInUse) why = "its number of containers does not match them";
  else if (held != work.crossingBox[5]) why = "its containers' counts do not add up";
  else if ((pending != 0) != (work.offspringBoxCount == 1) || (pending != 0 && !object(pending))) {
    why = "its offspring box does not match its individuals";
  } else if ((work.crossingBox[1] != 0 && !object(work.crossingBox[1])) ||
             (work.crossingBox[2] != 0 && !object(work.crossingBox[2]))) {
    why = "its crossing box holds individuals it does not have";
  }
  if (!why.empty()) {
    Fail(problem, why);
    return std::nullopt;
  }
  return work;
}

}  // namespace crossmere
