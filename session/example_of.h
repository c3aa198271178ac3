#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "genetics/exercise_setup.h"
#include "session/session_state.h"

namespace crossmere {

class StringLists;

// The class options that shape examples, as the example set-up reads them.
ExampleSettings ExampleSettingsOf(const ClassOptions& options);

// Loads the exercise set of the welcome window's level into the state;
// option entries that are not numbers add a warning each.
void LoadExercises(SessionState& state, const StringLists& strings, std::vector<std::string>* warnings);

// Draws the kind of organism of every exercise for the student just
// identified; a student without a name gets kinds from the clock's `now`.
void PrecomputeStudentKinds(SessionState& state, std::int64_t now);

// The request for the current exercise's next try: the exercise's options and
// questions, and the seed of the student number with the class's check value.
ExampleRequest ExampleRequestOf(const SessionState& state, std::int32_t classCheckValue);

// Sets up the current exercise for a new try: its genetics, starting stock
// and first offspring, its question list, and the starting parents standing
// in the crossing box as cross 1, the example's stock in the Storage
// container. With `seed`, the example made before from that seed is made
// again. Alerts for the student go to `alerts`.
void StartExample(SessionState& state, const StringLists& strings, const Clock& clock,
                  std::vector<std::string>* alerts, std::optional<std::int32_t> seed = std::nullopt);

// A student's first try of an exercise as anyone recreates it from the
// student number alone, with the class set-up in `strings`: the same
// organisms, parents, offspring and questions the student met (written with
// the teacher's gene symbols, where given).
SessionState RecreateExample(const StringLists& strings, std::int32_t studentNumber, std::int32_t setOffset,
                             std::int32_t exercise, const GeneSymbolChoices& geneSymbols = {});

}  // namespace crossmere
