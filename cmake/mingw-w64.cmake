# Builds for 64-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-x86-64-posix) and runs the built
# programs, the tests among them, under Wine in a Wine prefix of the build folder's own:
#   cmake -S . -B build-win -G Ninja --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QM7_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QM7_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QM7_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QM7_MINGW}-windres)

# Libraries and packages of the target system only; the build's tools are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${QM7_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-env.sh ${CMAKE_BINARY_DIR}/wineprefix)
