#pragma once

namespace crossmere {

struct Session;

// Loads the exercise set the run works through (the welcome window's level).
void LoadExercises(Session& session);

// The kind of organism of every exercise, fixed for the student just identified.
void PrecomputeStudentKinds(Session& session);

// Starts a try of the current exercise: its example, its starting stock and
// its first offspring, and its questions.
void StartExercise(Session& session);

}  // namespace crossmere
