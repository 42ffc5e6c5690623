// What a command-line tool needs to know of the console it runs in.
#pragma once

// "bin2ISO" on Windows, "bin2iso" elsewhere: the name users type.
extern const char kToolName[];

// Whether standard output is a console (progress is then rewritten in place).
bool OutputIsConsole();

// Whether this process has a console window of its own that closes when it
// ends: the only process attached to it, reading its input from it.
bool HasOwnConsoleWindow();

// Waits until a key is pressed in the console.
void WaitForKeyPress();
