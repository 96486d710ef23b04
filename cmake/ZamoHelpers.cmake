# One helper per kind of target, so that every library, plugin, test,
# benchmark and fuzz target is set up the same way.

include(GoogleTest)

set(ZAMO_WARNINGS -Wall -Wextra -Wshadow)
if(ZAMO_WERROR)
  # GCC 12 reports -Wrestrict inside std::string concatenation at -O3 where
  # there is no overlap (its bug 105329): kept as a warning, not an error.
  list(APPEND ZAMO_WARNINGS -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND ZAMO_WARNINGS -Wno-error=restrict)
  endif()
endif()
set(ZAMO_QT_DEFINES QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)

if(ZAMO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(ZAMO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# zamo_add_subdirectories(dir ...)
# Adds the folders in the order given. A folder that is missing is an error,
# not something to skip: a list that names it is out of date.
function(zamo_add_subdirectories)
  foreach(dir ${ARGN})
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${dir} has no CMakeLists.txt")
    endif()
    add_subdirectory(${dir})
  endforeach()
endfunction()

# zamo_add_library(name [QT] SOURCES ... [LIBS ...])
# A static library of the program; QT marks one that may use Qt.
function(zamo_add_library name)
  cmake_parse_arguments(A "QT" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${ZAMO_WARNINGS})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  if(A_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_compile_definitions(${name} PRIVATE ${ZAMO_QT_DEFINES})
  endif()
  if(A_LIBS)
    target_link_libraries(${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

# zamo_add_plugin(name SOURCES ... [LIBS ...])
# A library loaded at run time by name: only the exports are visible, and it
# is written beside the programs so that loading by name works in the build
# folder.
function(zamo_add_plugin name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES})
  set_target_properties(${name} PROPERTIES
    AUTOMOC ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_compile_options(${name} PRIVATE ${ZAMO_WARNINGS})
  target_compile_definitions(${name} PRIVATE ${ZAMO_QT_DEFINES})
  target_link_options(${name} PRIVATE -Wl,--no-undefined -Wl,--exclude-libs,ALL)
  if(A_LIBS)
    target_link_libraries(${name} PRIVATE ${A_LIBS})
  endif()
endfunction()

# zamo_add_program(name SOURCES ... [LIBS ...])
function(zamo_add_program name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_compile_options(${name} PRIVATE ${ZAMO_WARNINGS})
  target_compile_definitions(${name} PRIVATE ${ZAMO_QT_DEFINES})
  if(A_LIBS)
    target_link_libraries(${name} PRIVATE ${A_LIBS})
  endif()
endfunction()

# zamo_add_test(name SOURCES ... [LIBS ...] [DEPENDS ...] [TIMEOUT seconds])
# A GoogleTest program whose cases are each a test of their own in CTest
# (listed when ctest runs, so a build never starts a test program). Every
# case runs headless, with its own settings folder and scratch folder,
# never the user's; TIMEOUT (default 120 s) bounds each case.
function(zamo_add_test name)
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;LIBS;DEPENDS" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 120)
  endif()
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_compile_options(${name} PRIVATE ${ZAMO_WARNINGS})
  target_compile_definitions(${name} PRIVATE ${ZAMO_QT_DEFINES}
    ZAMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZAMO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gmock zamo_testsupport)
  if(A_DEPENDS)
    add_dependencies(${name} ${A_DEPENDS})
  endif()
  # Each case's process makes a folder of its own below this one (see the
  # tests' main()), so that cases of one program can run side by side.
  set(scratch ${CMAKE_BINARY_DIR}/test-home/${name})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZAMO_NO_OPEN=1;ZAMO_TEST_SCRATCH=${scratch}"
      TIMEOUT ${A_TIMEOUT})
endfunction()

# zamo_add_test_library(name SOURCES ... [LIBS ...])
# Helpers shared by several test programs (readers of written workbooks,
# dialog and window drivers, running zamo-cli).
function(zamo_add_test_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${ZAMO_WARNINGS})
  target_compile_definitions(${name} PRIVATE ${ZAMO_QT_DEFINES}
    ZAMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZAMO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  target_link_libraries(${name} PUBLIC ${A_LIBS} zamo_testsupport)
endfunction()

# zamo_add_bench(name SOURCES ... [LIBS ...])
function(zamo_add_bench name)
  if(NOT ZAMO_BENCH)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_compile_options(${name} PRIVATE ${ZAMO_WARNINGS})
  target_compile_definitions(${name} PRIVATE ${ZAMO_QT_DEFINES} ZAMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${A_LIBS} benchmark::benchmark)
  set_property(GLOBAL APPEND PROPERTY ZAMO_BENCHES ${name})
endfunction()

# zamo_add_fuzz(name SOURCES ... [LIBS ...])
# A libFuzzer target; built only in a clang build with ZAMO_FUZZ on.
function(zamo_add_fuzz name)
  if(NOT ZAMO_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  set_property(GLOBAL APPEND PROPERTY ZAMO_FUZZERS ${name})
endfunction()
