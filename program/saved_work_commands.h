#pragma once

#include <string>

namespace crossmere {

struct Session;

// "Save &As...": the student's work into a file they choose, written whole
// or not at all, so that a failed write leaves any earlier file as it was;
// the student is told when it fails and why.
void SaveWork(Session& session);

// "&Open..." and the entry dialogs' "Open...": asks for a saved-work file
// and restores it; true when the work was restored.
bool OpenWork(Session& session);

// Restores the work saved in a file. A file that cannot be read, is damaged
// or does not fit changes nothing, and the student is told which file and why.
bool RestoreWork(Session& session, const std::string& path);

// Against a crash, where the class allows saving: a copy of the work in the
// user's data folder, kept after every finished try and every few minutes of
// work, dropped when the program ends normally.
std::string RecoveryFile();
void KeepRecoveryCopyWhenDue(Session& session);
void DropRecoveryCopy();
// At start, after a run that did not end normally: offers to carry on with
// the work it kept; true when the work was restored.
bool OfferRecovery(Session& session);

}  // namespace crossmere
