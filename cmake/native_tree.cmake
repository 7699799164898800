# The native tree: the platform-free rules with GoogleTest, sanitizers and benchmarks.
option(KOTOPAI_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KOTOPAI_BENCH "Build the benchmarks" OFF)

if(KOTOPAI_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(kotopai_rules STATIC ${RULES_SOURCES})
target_include_directories(kotopai_rules PUBLIC ${CMAKE_SOURCE_DIR}/rules)
target_compile_options(kotopai_rules PRIVATE ${WARNINGS})

find_package(Threads REQUIRED)
add_library(fake_platform STATIC ${FAKE_PLATFORM_SOURCES})
target_include_directories(fake_platform PUBLIC ${CMAKE_SOURCE_DIR}/tests/fake ${CMAKE_SOURCE_DIR}/rules)
target_link_libraries(fake_platform PUBLIC Threads::Threads)

add_library(rules_test_support STATIC ${RULES_SUPPORT_SOURCES})
target_include_directories(rules_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/rules_support)
target_link_libraries(rules_test_support PUBLIC kotopai_rules)

find_package(GTest REQUIRED)
include(GoogleTest)
add_executable(rules_tests ${RULES_TEST_SOURCES})
target_link_libraries(rules_tests PRIVATE rules_test_support kotopai_rules fake_platform GTest::gtest_main)
target_compile_options(rules_tests PRIVATE ${WARNINGS})
gtest_discover_tests(rules_tests DISCOVERY_TIMEOUT 60)

# The check of a cue's file, the one platform-free part of the shell, with its tests.
add_executable(wave_file_tests ${WAVE_FILE_TEST_SOURCES})
target_include_directories(wave_file_tests PRIVATE ${CMAKE_SOURCE_DIR}/shell)
target_compile_definitions(wave_file_tests PRIVATE KOTOPAI_SOUNDS="${CMAKE_SOURCE_DIR}/resources/sounds")
target_link_libraries(wave_file_tests PRIVATE GTest::gtest_main)
target_compile_options(wave_file_tests PRIVATE ${WARNINGS})
gtest_discover_tests(wave_file_tests DISCOVERY_TIMEOUT 60)

# The unpacker of the larger sets' pictures, fed the art tool's packed streams, cut and mutated.
add_executable(art_unpack_tests ${CMAKE_SOURCE_DIR}/tests/art_unpack/art_unpack_tests.cpp
               ${CMAKE_SOURCE_DIR}/presentation/art_unpack.cpp ${CMAKE_SOURCE_DIR}/tools/art/packing.cpp)
target_include_directories(art_unpack_tests PRIVATE ${CMAKE_SOURCE_DIR}/presentation ${CMAKE_SOURCE_DIR}/tools/art)
target_link_libraries(art_unpack_tests PRIVATE GTest::gtest_main)
target_compile_options(art_unpack_tests PRIVATE ${WARNINGS})
gtest_discover_tests(art_unpack_tests DISCOVERY_TIMEOUT 60)

# Tools that link only the rules (deal statistics from fixed seconds).
file(GLOB RULES_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/rules/*.cpp)
foreach(src ${RULES_TOOL_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE rules_test_support kotopai_rules fake_platform)
endforeach()

if(KOTOPAI_BENCH)
  find_package(benchmark REQUIRED)
  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  add_executable(rules_bench ${BENCH_SOURCES})
  target_link_libraries(rules_bench PRIVATE rules_test_support kotopai_rules fake_platform benchmark::benchmark_main)
endif()
