# The toolkit-free GoogleTest suites built with emscripten and run under Node (the toolchain
# sets Node as the cross-compiling emulator, so ctest and test discovery run them there).
# GoogleTest is built from Debian's sources (googletest package) for WebAssembly; its own
# CMake defines the GTest:: names the tests link.

set(QUOTARA_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUOTARA_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# quotara_web_test_options(<target>): one self-contained .js (Node 18 and later cannot fetch a
# separate .wasm from disk), a heap that grows for the megabyte-long entries, and main's exit
# status as Node's.
function(quotara_web_test_options target)
  target_link_options(${target} PRIVATE -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1
                      -sENVIRONMENT=node)
endfunction()
