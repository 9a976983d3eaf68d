# Cross-compile for 64-bit Windows with Debian's mingw-w64 toolchain (the
# posix thread model, as the Qt for Windows of scripts/qt-windows uses).
# The programs load the compiler's runtime DLLs (libstdc++-6, libgcc_s_seh-1,
# libwinpthread-1), which the install step puts beside them: one runtime in
# the process, shared with Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The test suites run under Wine (ctest sets the prefix, see tests/).
find_program(ZEM_WINE NAMES wine64 wine)
if(ZEM_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEM_WINE})
endif()
