# Cross build for 64-bit Windows against shared libraries (Qt for Windows and the window):
# the compiler's runtime is a DLL beside the programs, so one copy serves Qt and Korvane.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "")
