// The main function of each program, called by the entry point of the
// platform built for (entry_posix.cpp, entry_windows.cpp) with the command
// line in UTF-8: on Windows the wide command line converted, so a folder
// name outside the code page arrives whole.

#ifndef COMMON_APP_PROGRAM_MAIN_H_
#define COMMON_APP_PROGRAM_MAIN_H_

int ProgramMain(int argc, char** argv);

#endif  // COMMON_APP_PROGRAM_MAIN_H_
