# kr_module(name SOURCES ... DEPS ...): one static library per platform module or subsystem.
function(kr_module name)
  cmake_parse_arguments(M "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${M_SOURCES})
  target_link_libraries(${name} PUBLIC ${M_DEPS})
endfunction()

# kr_test(name SOURCES ... DEPS ... [TIMEOUT seconds]): a GoogleTest executable registered with CTest.
# Tests run under a comma-decimal locale when the machine has one, so nothing may depend on it.
function(kr_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
  if(NOT T_TIMEOUT)
    # tests/support/WaitLimit.h lets a test's waits run as long as this.
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_DEPS} kr_test_main)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "KR_TEST_LOCALE=de_DE.UTF-8"
               SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
               TIMEOUT ${T_TIMEOUT})
endfunction()
