# The two libraries behind the number text: fast_float (text to single) and {fmt} (single to
# exponent text), as their own CMake packages name them: FastFloat::fast_float, and for {fmt}
# the target that QUOTARA_FMT names.

if(NOT EMSCRIPTEN AND NOT (WIN32 AND CMAKE_CROSSCOMPILING))
  find_package(FastFloat REQUIRED)
  find_package(fmt 7 REQUIRED)
  if(QUOTARA_FMT_HEADER_ONLY)
    set(QUOTARA_FMT fmt::fmt-header-only)
  else()
    set(QUOTARA_FMT fmt::fmt)
  endif()
  return()
endif()

# Emscripten and the mingw-w64 cross build find no packages outside their own sysroot, and
# cannot take -I/usr/include: that would put the host's C headers before their own. So each
# header folder is linked into a folder of its own in the build tree and included from there.
find_path(QUOTARA_FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h PATHS /usr/local/include /usr/include
          NO_CMAKE_FIND_ROOT_PATH REQUIRED
          DOC "The folder that holds fast_float/ (Debian: libfast-float-dev)")
find_path(QUOTARA_FMT_INCLUDE_DIR fmt/format.h PATHS /usr/local/include /usr/include
          NO_CMAKE_FIND_ROOT_PATH REQUIRED
          DOC "The folder that holds fmt/ (Debian: libfmt-dev)")

# quotara_header_folder(<target> <include dir> <subfolder>): an interface target whose include
# folder holds nothing but <subfolder>.
function(quotara_header_folder target include_dir subfolder)
  set(folder ${CMAKE_BINARY_DIR}/third_party/${subfolder})
  file(MAKE_DIRECTORY ${folder})
  file(CREATE_LINK ${include_dir}/${subfolder} ${folder}/${subfolder} SYMBOLIC)
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${folder})
endfunction()

quotara_header_folder(quotara_fast_float ${QUOTARA_FAST_FLOAT_INCLUDE_DIR} fast_float)
add_library(FastFloat::fast_float ALIAS quotara_fast_float)

# No {fmt} library is built for WebAssembly or Windows: compile it from its headers.
quotara_header_folder(quotara_fmt ${QUOTARA_FMT_INCLUDE_DIR} fmt)
# Without a locale the number text needs none of the C++ locale library, which would double the
# size of the WebAssembly and add to the Windows program's.
target_compile_definitions(quotara_fmt INTERFACE FMT_HEADER_ONLY FMT_STATIC_THOUSANDS_SEPARATOR=0)
add_library(fmt::fmt ALIAS quotara_fmt)
set(QUOTARA_FMT fmt::fmt)
