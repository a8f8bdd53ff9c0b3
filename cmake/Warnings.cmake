# Compiler warnings and the sanitizer build, applied to every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wnon-virtual-dtor)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wshadow=local)  # GCC's own; clang builds only the fuzz targets
endif()
# GCC 12 reports std::string copies it inlined at -O3 as overlapping
# (-Wrestrict, GCC bug 105329); the warning says nothing about our code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
if(KR_WERROR)
  add_compile_options(-Werror)
endif()
if(KR_SANITIZE)
  # A real cast to an integer it does not fit is undefined too, and not in
  # gcc's "undefined" group: asked for by name, as clang's fuzzing build has it.
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow
                      -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
if(KR_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
