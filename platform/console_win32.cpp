#include <windows.h>

#include "platform/console.h"

const char kToolName[] = "bin2ISO";

bool OutputIsConsole() {
  DWORD mode;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

bool HasOwnConsoleWindow() {
  DWORD processes[2];
  DWORD mode;
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  return GetConsoleProcessList(processes, 2) == 1 && GetFileType(input) == FILE_TYPE_CHAR &&
         GetConsoleMode(input, &mode) != 0;
}

void WaitForKeyPress() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(input);
  for (;;) {
    INPUT_RECORD record;
    DWORD count = 0;
    if (!ReadConsoleInputA(input, &record, 1, &count) || count == 0) return;
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
  }
}
