#pragma once

namespace crossmere {

struct Session;

// "Genotypes" in the File menu does something only where the exercise lets
// the student show its genotypes (they are hidden at first) or switch its
// notation; elsewhere the command is dimmed.
bool GenotypesCommandAllowed(const Session& session);

// Shows the genotype labels, then switches the notation, then hides them
// again in the original notation; an exercise that allows only one of the
// two toggles that one.
void GenotypesCommand(Session& session);

}  // namespace crossmere
