#pragma once

#include "app/startup.h"
#include "core/settings/program_state.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"

namespace qv::test {

// Every window composed as start-up composes them, in a fresh program directory, with the
// dialogs scripted.
struct StartedApplication {
    TempDir dir;
    ProgramState state{dir.path()};
    MessageHub hub;
    ScriptedPrompter prompter;
    ApplicationWindows windows{state, hub, prompter};
};

} // namespace qv::test
