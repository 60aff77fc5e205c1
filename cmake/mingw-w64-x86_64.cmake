# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix threads variant, whose
# C++ runtime has std::thread and std::mutex). Every program is linked statically, so a single
# .exe runs on a bare Windows without MinGW's DLLs beside it.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-shared.cmake)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
