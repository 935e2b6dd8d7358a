# Cross-building for 64-bit Windows with Debian's mingw-w64 (the POSIX
# threads variant, which std::thread and std::mutex need). The programs are
# linked statically, so each .exe runs without any DLL beside it; CTest runs
# them under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOOLS_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOOLS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# GCC 12 warns wrongly about overlapping copies inside its own string
# concatenation when it inlines it for this target (GCC bug 105329).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

find_program(TOOLS_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/lib/wine64 NO_CMAKE_FIND_ROOT_PATH)
if(TOOLS_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TOOLS_WINE64})
endif()
