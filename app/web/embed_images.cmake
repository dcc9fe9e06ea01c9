# cmake -DBANNER=<gif> -DICON=<png> -DOUTPUT=<cpp> -P embed_images.cmake
# Writes the two images' bytes as C++ string literals.
function(literal variable file)
  file(READ ${file} hex HEX)
  file(SIZE ${file} size)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  set(${variable} "std::string_view(\"${escaped}\", ${size})" PARENT_SCOPE)
endfunction()
literal(banner ${BANNER})
literal(icon ${ICON})
file(WRITE ${OUTPUT} "// Generated from ${BANNER} and ${ICON}.\n#include \"web_images.h\"\n\n"
     "extern const std::string_view kBannerGif = ${banner};\n"
     "extern const std::string_view kIconPng = ${icon};\n")
