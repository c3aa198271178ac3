// Writes one saved-work file for each exercise of both sets, as a student
// would have it just after the exercise started, into the folder given.

#include <cstdio>
#include <fstream>
#include <string>

#include "layer/string_lists.h"
#include "records/identity.h"
#include "session/example_of.h"
#include "session/saved_work.h"

int main(int argc, char* argv[]) {
  using namespace crossmere;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const StringLists strings;
  const std::string folder = argv[1];
  for (const std::int32_t set : {kAdvancedSet, kElementarySet}) {
    for (std::int32_t ex = 1; ex <= kExercisesPerSet; ++ex) {
      SessionState state = RecreateExample(strings, NameToNumber("Ann"), set, ex);
      state.identity.name = "Ann";
      WorkspacePlaces places;
      for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
        places.objects[object] = {(object * 37) % 700, (object * 53) % 500};
      }
      const auto bytes = EncodeSavedWork(CaptureWork(state, places));
      const std::string path = folder + "/" + (set == kAdvancedSet ? "B" : "A") + std::to_string(ex);
      std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<std::streamsize>(bytes.size()));
    }
  }
  return 0;
}
