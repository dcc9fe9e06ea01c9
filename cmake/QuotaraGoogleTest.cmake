# GoogleTest for a cross build (WebAssembly, Windows), built from Debian's sources (googletest
# package): the target has no GoogleTest library of its own. GoogleTest's own CMake defines the
# GTest:: names the tests link.

set(QUOTARA_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
# Emscripten has no threads without extra flags; on Windows GoogleTest uses the system's own.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUOTARA_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
