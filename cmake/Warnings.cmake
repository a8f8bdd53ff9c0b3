# Compiler warnings and the sanitizer build, applied to every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor)
if(KR_WERROR)
  add_compile_options(-Werror)
endif()
if(KR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
