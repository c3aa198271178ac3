#pragma once

namespace crossmere {

struct Session;

// The one path of every click and menu command: reads the event record of
// the service and runs whatever owns it. The service calls it after
// recording who sent the event.
void MainEventRoutine(Session& session);

}  // namespace crossmere
