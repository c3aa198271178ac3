#pragma once

namespace crossmere {

struct Session;

// Loads the exercise set the run works through (the welcome window's level).
void LoadExercises(Session& session);

// The kind of organism of every exercise, fixed for the student just identified.
void PrecomputeStudentKinds(Session& session);

// Sets up the current exercise's example for a new try: its organisms, its
// starting stock and first offspring, its containers and its question list,
// then shows its description.
void SetUpExercise(Session& session);

}  // namespace crossmere
