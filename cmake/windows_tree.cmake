# The Windows tree: the game, statically linked, and every test, run under Wine.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_BINARY_DIR}/generated")
include(${CMAKE_SOURCE_DIR}/cmake/version.cmake)
add_link_options(-static -static-libgcc -static-libstdc++)

# shell32 and winmm are first needed when the player opens the help, makes a
# shortcut or hears a cue. Imported the usual way, Wine loads them (with shcore and
# msacm32) before the first frame: about 1.5 ms and 300 KB. They are bound at their
# first call instead, through import libraries for delayed loading made from the few
# functions listed in cmake/delay. The linker is told to take each function from those
# libraries, or it would leave the calls through the import table unresolved.
foreach(dll shell32 winmm)
  set(definitions ${CMAKE_SOURCE_DIR}/cmake/delay/${dll}.def)
  set(library ${CMAKE_BINARY_DIR}/lib${dll}_delayed.a)
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} -k -d ${definitions} -y ${library}
    DEPENDS ${definitions} VERBATIM)
  list(APPEND DELAYED_LIBRARIES ${library})
  file(STRINGS ${definitions} functions REGEX "^[A-Za-z]+@[0-9]+$")
  foreach(function ${functions})
    list(APPEND DELAYED_FUNCTIONS "-Wl,--undefined=_${function}")
  endforeach()
endforeach()
add_custom_target(delayed_imports DEPENDS ${DELAYED_LIBRARIES})

set(SYSTEM_LIBS gdi32 comctl32 comdlg32 ${DELAYED_LIBRARIES} ole32 uuid advapi32)

# The maker's web page, opened by the menu's 作者のホームページ. Left empty, the item opens
# help/home.htm beside the program, which says what the game is and who made it. It
# reaches the program as a C string in a header: an address may hold a "#", which no
# definition on the command line carries.
set(KOTOPAI_HOMEPAGE "" CACHE STRING "Address of the maker's web page; empty: help/home.htm beside the program")
string(REPLACE "\\" "\\\\" homepage_text "${KOTOPAI_HOMEPAGE}")
string(REPLACE "\"" "\\\"" homepage_text "${homepage_text}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/homepage.h @ONLY
     CONTENT "// The build's KOTOPAI_HOMEPAGE: the maker's web page, or empty.\n#define KOTOPAI_HOMEPAGE \"@homepage_text@\"\n")

# The program's own functions with arrays on the stack check a guard before they
# return, so an overflow ends the program instead of running on. The guard and its
# check come from shell/stack_guard.cpp, not from GCC's libssp, whose set-up loads the
# crypto provider at start.
set(HARDENING -fstack-protector-strong)
# No code of these programs registers a frame-based exception handler: C++ exceptions
# unwind through DWARF tables, and the C runtime's handler is an unhandled-exception
# filter. So the images say they have none (NO_SEH), and Windows refuses a handler
# record that points into them, as one planted by an overflow would. With the
# linker's defaults of ASLR and DEP, DllCharacteristics is 0x540.
add_link_options(-Wl,--no-seh)

# No function of the program may keep more than 32 KB on the stack. A path as long as
# Windows allows takes 64 KB; kept on the stack, a few of them in one call would run
# a thread's stack out, so paths live on the heap (persistence/program_path.h), and
# one put back on the stack fails the build here. The largest frame left is a
# settings read's texts, about 25 KB.
set(STACK_LIMIT -Werror=stack-usage=32768)

add_library(kotopai_rules STATIC ${RULES_SOURCES})
target_include_directories(kotopai_rules PUBLIC ${CMAKE_SOURCE_DIR}/rules)
target_compile_options(kotopai_rules PRIVATE ${WARNINGS} ${STACK_LIMIT})

file(GLOB APP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/presentation/*.cpp
  ${CMAKE_SOURCE_DIR}/persistence/*.cpp
  ${CMAKE_SOURCE_DIR}/shell/*.cpp)
list(REMOVE_ITEM APP_SOURCES ${CMAKE_SOURCE_DIR}/shell/main.cpp)
add_library(kotopai_app STATIC ${APP_SOURCES})
target_include_directories(kotopai_app PUBLIC
  ${CMAKE_SOURCE_DIR}/presentation ${CMAKE_SOURCE_DIR}/persistence
  ${CMAKE_SOURCE_DIR}/shell ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(kotopai_app PUBLIC kotopai_rules ${SYSTEM_LIBS})
add_dependencies(kotopai_app delayed_imports)
target_link_options(kotopai_app INTERFACE ${DELAYED_FUNCTIONS})
# The rules call back into the platform operations defined here: a cycle of two
# static libraries, which CMake resolves by repeating them on the link line.
target_link_libraries(kotopai_rules PUBLIC kotopai_app)
target_compile_options(kotopai_app PRIVATE ${WARNINGS} ${STACK_LIMIT})
# Public, so the tests expect what the build asked for.
target_include_directories(kotopai_app PUBLIC ${CMAKE_BINARY_DIR}/generated)
# Everything built on the program gets the guard too, its tests included.
target_compile_options(kotopai_app PUBLIC ${HARDENING})

set(RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/resources/kotopai.rc)
file(GLOB_RECURSE RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
list(APPEND RESOURCE_FILES ${CMAKE_BINARY_DIR}/generated/program_version.h
     ${CMAKE_BINARY_DIR}/generated/kotopai.manifest)
set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES}")

add_executable(kotopai WIN32 ${CMAKE_SOURCE_DIR}/shell/main.cpp ${RESOURCE_SCRIPT})
target_link_libraries(kotopai PRIVATE kotopai_app)
target_compile_options(kotopai PRIVATE ${STACK_LIMIT})
# No link time in the header and no symbols: the same sources give the same small program.
# Sections nothing calls are left out (the runtime's string code is larger than all the
# program's own), which keeps the program with its pictures under 1.5 MB.
target_link_options(kotopai PRIVATE -Wl,--no-insert-timestamp -Wl,--gc-sections -s)

# What the program expects beside it at run time: the sound cues and the help folder,
# whose home page names the version (cmake/version.cmake).
file(GLOB SOUND_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/sounds/*.wav)
file(GLOB HELP_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
list(REMOVE_ITEM HELP_FILES ${CMAKE_SOURCE_DIR}/help/home.htm)
list(APPEND HELP_FILES ${CMAKE_BINARY_DIR}/generated/help/home.htm)
add_custom_command(TARGET kotopai POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:kotopai>/help
  VERBATIM)
foreach(wav ${SOUND_FILES})
  add_custom_command(TARGET kotopai POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${wav} $<TARGET_FILE_DIR:kotopai>
    VERBATIM)
endforeach()
foreach(page ${HELP_FILES})
  add_custom_command(TARGET kotopai POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page} $<TARGET_FILE_DIR:kotopai>/help
    VERBATIM)
endforeach()

# The programs scripts/measure-startup.sh measures beside the game: an empty window,
# the same showing Japanese text in the game's fonts, and the window design alone.
set(MESSAGE_LOOP ${CMAKE_SOURCE_DIR}/shell/message_loop.cpp)
add_executable(floor WIN32 ${CMAKE_SOURCE_DIR}/tools/floor/floor.cpp ${MESSAGE_LOOP})
add_executable(floortext WIN32 ${CMAKE_SOURCE_DIR}/tools/floor/floor.cpp ${MESSAGE_LOOP}
               ${CMAKE_SOURCE_DIR}/tools/floor/floortext.rc)
target_compile_definitions(floortext PRIVATE FLOOR_WITH_TEXT)
target_include_directories(floortext PRIVATE ${CMAKE_SOURCE_DIR}/tools/floor)
add_executable(design_floor WIN32 ${CMAKE_SOURCE_DIR}/tools/design_floor/design_floor.cpp ${MESSAGE_LOOP})
target_include_directories(design_floor PRIVATE ${CMAKE_SOURCE_DIR}/presentation)   # the sets' sizes
foreach(floor floor floortext design_floor)
  target_include_directories(${floor} PRIVATE ${CMAKE_SOURCE_DIR}/shell)
  target_link_libraries(${floor} PRIVATE comctl32)
endforeach()

# The tile pictures of a set as the game draws them, for the end-to-end player.
add_executable(set_pictures ${CMAKE_SOURCE_DIR}/tools/set_pictures/set_pictures.cpp ${RESOURCE_SCRIPT})
target_link_libraries(set_pictures PRIVATE kotopai_app)

# GoogleTest from Debian's sources, built for Windows.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(fake_platform STATIC ${FAKE_PLATFORM_SOURCES})
target_include_directories(fake_platform PUBLIC ${CMAKE_SOURCE_DIR}/tests/fake ${CMAKE_SOURCE_DIR}/rules)

# What the rules tests, the Windows test programs and the benchmarks reach into the rules with.
add_library(rules_test_support STATIC ${RULES_SUPPORT_SOURCES})
target_include_directories(rules_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/rules_support)
target_link_libraries(rules_test_support PUBLIC kotopai_rules)

# The rules tests, as in the native tree, here under Wine.
add_executable(rules_tests ${RULES_TEST_SOURCES})
target_link_libraries(rules_tests PRIVATE rules_test_support kotopai_rules fake_platform gtest_main)
add_test(NAME rules_tests COMMAND rules_tests)

# Each test program's limit, some five times its longest run seen while other builds
# kept a 2-core machine busy: a hang ends that program and the run goes on, long
# before CI's own limit. The two that play whole games take longer; the robustness
# program also starts copies of itself some 200 times and ends them from outside; the
# layout program moves the window to another scale some 70 times (up to 67 s seen).
set(TEST_TIMEOUT_DEFAULT 120)
set(TEST_TIMEOUT_game 360)
set(TEST_TIMEOUT_scale 360)
set(TEST_TIMEOUT_robustness 900)
set_tests_properties(rules_tests PROPERTIES TIMEOUT ${TEST_TIMEOUT_DEFAULT})

# The program carries a set of pictures for each display scale and stays a download of
# at most 1.5 MB.
add_test(NAME program_size COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:kotopai> -DLIMIT=1500000
         -P ${CMAKE_SOURCE_DIR}/cmake/size_limit.cmake)

# The check of a cue's file, as in the native tree, here in 32 bits.
add_executable(wave_file_tests ${WAVE_FILE_TEST_SOURCES})
target_include_directories(wave_file_tests PRIVATE ${CMAKE_SOURCE_DIR}/shell)
target_compile_definitions(wave_file_tests PRIVATE KOTOPAI_SOUNDS="${CMAKE_SOURCE_DIR}/resources/sounds")
target_link_libraries(wave_file_tests PRIVATE gtest_main winmm)
add_test(NAME wave_file_tests COMMAND wave_file_tests)
set_tests_properties(wave_file_tests PROPERTIES TIMEOUT ${TEST_TIMEOUT_DEFAULT})

# Each folder of tests/win is one test program linked with the whole game and its resources.
# tests/win/support holds what they share (their main, the box catcher, the cue sink).
file(GLOB SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/support/*.cpp)
add_library(win_test_support STATIC ${SUPPORT_SOURCES})
target_include_directories(win_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/win/support)
# version: the tests read the version record of the program they test.
target_link_libraries(win_test_support PUBLIC kotopai_app rules_test_support gtest version)

file(GLOB WIN_TEST_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*)
foreach(dir ${WIN_TEST_DIRS})
  get_filename_component(name ${dir} NAME)
  if(NOT IS_DIRECTORY ${dir} OR name STREQUAL "support")
    continue()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    continue()
  endif()
  add_executable(${name}_tests ${sources} ${RESOURCE_SCRIPT})
  target_link_libraries(${name}_tests PRIVATE win_test_support)
  # Each test program lives in a folder of its own, so the settings file beside it is its own.
  set_target_properties(${name}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/${name})
  add_dependencies(${name}_tests kotopai)
  add_test(NAME ${name}_tests COMMAND ${name}_tests)
  set(timeout ${TEST_TIMEOUT_DEFAULT})
  if(DEFINED TEST_TIMEOUT_${name})
    set(timeout ${TEST_TIMEOUT_${name}})
  endif()
  set_tests_properties(${name}_tests PROPERTIES TIMEOUT ${timeout})
endforeach()

# The layout program again in prefixes at other display scales.
foreach(dpi 120 144 192 288)
  add_test(NAME scale_tests_${dpi} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-at-dpi ${dpi} $<TARGET_FILE:scale_tests>)
  set_tests_properties(scale_tests_${dpi} PROPERTIES TIMEOUT ${TEST_TIMEOUT_scale})
endforeach()
# The ranking's longest names again at 175 and 200 %.
foreach(dpi 168 192)
  add_test(NAME ranking_names_${dpi} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-at-dpi ${dpi}
           $<TARGET_FILE:persistence_tests> --gtest_filter=RankingDialog.TheLongestNamesShowWhole)
  set_tests_properties(ranking_names_${dpi} PROPERTIES TIMEOUT ${TEST_TIMEOUT_DEFAULT})
endforeach()

# Console benchmarks of the Windows side (one program per file), run by hand under Wine.
# They reach the main window through the same support as the tests.
file(GLOB WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(src ${WIN_BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${RESOURCE_SCRIPT})
  target_link_libraries(${name} PRIVATE win_test_support)
endforeach()

# The texts as a Windows that takes no code page from the manifest shows them
# (Windows 10 and older), in systems of four languages: copies of test programs whose
# manifest's code-page element bears a name no Windows knows, each run under Wine in
# the locale of one language. KOTOPAI_CODE_PAGE tells the tests which one they are in.
set(LOCALE_TABLE en_US.UTF-8=1252 zh_CN.UTF-8=936 ko_KR.UTF-8=949 ja_JP.UTF-8=932)
function(add_locale_runs name filter)
  set(folder ${CMAKE_BINARY_DIR}/tests/${name}-any-code-page)
  set(copy ${folder}/${name}_tests.exe)
  add_custom_command(TARGET ${name}_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${name}_tests> ${copy}
    COMMAND perl -0777 -pi -e "s/activeCodePage/noActiveCodePg/g" ${copy}
    VERBATIM)
  foreach(row ${LOCALE_TABLE})
    string(REPLACE "=" ";" row ${row})
    list(GET row 0 locale)
    list(GET row 1 code_page)
    add_test(NAME ${name}_tests_${code_page} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} ${copy}
             --gtest_filter=${filter})
    set_tests_properties(${name}_tests_${code_page} PROPERTIES TIMEOUT ${TEST_TIMEOUT_DEFAULT}
                         ENVIRONMENT "KOTOPAI_LOCALE=${locale};KOTOPAI_CODE_PAGE=${code_page}")
  endforeach()
endfunction()
add_locale_runs(persistence "RankingDialog.*:ShortcutDialog.*:AboutDialog.Shows*:CodePage.*")
add_locale_runs(game "PickTest.SameFaceWithoutPathIsRefusedWithABox")
add_locale_runs(shell "ShellWindowTest.TheClockLineComesAboutASecondAfterStart:ShellWindowTest.MenuHelpHoldsTheBarAndTheClockComesBack:FirstRun.*:MainWindowTest.HasFixedSizeFrameWithMenuAndClippedChildren")
add_locale_runs(robustness "ReadOnlySettingsTest.*")
