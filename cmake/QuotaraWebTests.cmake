# The toolkit-free GoogleTest suites built with emscripten and run under Node (the toolchain
# sets Node as the cross-compiling emulator, so ctest and test discovery run them there).
# GoogleTest is built from Debian's sources for WebAssembly.
include(QuotaraGoogleTest)

# quotara_web_test_options(<target>): one self-contained .js (Node 18 and later cannot fetch a
# separate .wasm from disk), a heap that grows for the megabyte-long entries, and main's exit
# status as Node's.
function(quotara_web_test_options target)
  target_link_options(${target} PRIVATE -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1
                      -sENVIRONMENT=node)
endfunction()
