# SPDX-License-Identifier: GPL-3.0-or-later
# Test helpers shared by every area's tests.
#
# zorbil_test(<name> SOURCES <files...> LIBS <targets...> [DISPLAY] [OWN_DISPLAY] [QT] [TIMEOUT <s>])
#   Builds one test program and registers it with CTest. GoogleTest programs
#   get gtest_main unless QT is given (Qt Test programs have their own main).
#   DISPLAY marks tests that open windows or GL contexts: they run on the X
#   server named by $DISPLAY (the test command starts Xvfb) with Mesa's
#   software renderer, and never talk to a real sound card.
#   OWN_DISPLAY: like DISPLAY, on a private X server of its own, for tests
#   whose windows must keep the keyboard: on the shared one, another test's
#   window may take it (and the game pauses when its window loses it).
#   Under the sanitizers, leaks of the system libraries are left aside
#   (tests/library-leaks.supp); a test may set its own LSAN_OPTIONS after.
function(zorbil_test name)
  cmake_parse_arguments(T "DISPLAY;OWN_DISPLAY;QT" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  if(T_QT)
    target_link_libraries(${name} PRIVATE Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
  endif()
  if(T_OWN_DISPLAY)
    set(T_DISPLAY ON)
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/configdialog/with-desktop-dpi.sh 96 $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set(env "SDL_AUDIODRIVER=dummy")
  if(ZORBIL_SANITIZE)
    list(APPEND env "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/library-leaks.supp")
  endif()
  if(T_DISPLAY)
    list(APPEND env "QT_QPA_PLATFORM=xcb" "LIBGL_ALWAYS_SOFTWARE=1")
    set_property(TEST ${name} APPEND PROPERTY LABELS display)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  if(T_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# zorbil_bench(<target> [ARGS <arguments...>] [DISPLAY] [OWN_DISPLAY] [TIMEOUT <s>] [WORKING_DIRECTORY <dir>])
#   Registers a brief run of the benchmark program <target> (label bench):
#   ARGS make it short. It asserts no figures, but a benchmark that hangs,
#   crashes or can no longer start fails the tests. DISPLAY and OWN_DISPLAY
#   as for zorbil_test. Under the sanitizers, benchmarks that draw through
#   Mesa's software driver leave leak checks aside: it leaks from code it
#   compiles at run time, which no suppression can name.
function(zorbil_bench target)
  cmake_parse_arguments(B "DISPLAY;OWN_DISPLAY" "TIMEOUT;WORKING_DIRECTORY" "ARGS" ${ARGN})
  if(B_OWN_DISPLAY)
    set(B_DISPLAY ON)
    add_test(NAME ${target}
      COMMAND ${PROJECT_SOURCE_DIR}/tests/configdialog/with-desktop-dpi.sh 96 $<TARGET_FILE:${target}> ${B_ARGS})
  else()
    add_test(NAME ${target} COMMAND ${target} ${B_ARGS})
  endif()
  if(B_WORKING_DIRECTORY)
    set_tests_properties(${target} PROPERTIES WORKING_DIRECTORY ${B_WORKING_DIRECTORY})
  endif()
  set(env "SDL_AUDIODRIVER=dummy")
  set(labels bench)
  if(B_DISPLAY)
    list(APPEND env "QT_QPA_PLATFORM=xcb" "LIBGL_ALWAYS_SOFTWARE=1")
    list(APPEND labels display)
  endif()
  if(ZORBIL_SANITIZE)
    if(B_DISPLAY)
      list(APPEND env "ASAN_OPTIONS=detect_leaks=0")
    else()
      list(APPEND env "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/library-leaks.supp")
    endif()
  endif()
  if(NOT B_TIMEOUT)
    set(B_TIMEOUT 90)
  endif()
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "${env}" LABELS "${labels}" TIMEOUT ${B_TIMEOUT})
endfunction()
