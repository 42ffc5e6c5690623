#include <unistd.h>

#include "platform/console.h"

const char kToolName[] = "bin2iso";

bool OutputIsConsole() { return isatty(STDOUT_FILENO) == 1; }

// A terminal outlives the programs run in it.
bool HasOwnConsoleWindow() { return false; }

void WaitForKeyPress() {}
