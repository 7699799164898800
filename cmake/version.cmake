# Everything that names the program's version, made from the project's version
# (CMakeLists.txt) when the tree is configured:
#   generated/program_version.h       the About box's number and the version record's
#   generated/kotopai.manifest        the manifest, with the version record's number
#   generated/help/home.htm           the page that says what the game is
#   generated/readme-windows.txt      the zip's readme
#   version.txt                       the version as the player reads it, for scripts/dist.sh
set(version_numbers)
foreach(part MAJOR MINOR PATCH TWEAK)
  set(number "${PROJECT_VERSION_${part}}")
  if(number STREQUAL "")
    set(number 0)
  endif()
  if(number GREATER 65535)
    message(FATAL_ERROR "version part ${part} is ${number}; the version record holds at most 65535")
  endif()
  set(version_${part} ${number})
  list(APPEND version_numbers ${number})
endforeach()
if(version_TWEAK GREATER 26)
  message(FATAL_ERROR "version tweak ${version_TWEAK}: it is shown as a letter, a to z")
endif()

set(KOTOPAI_VERSION "${version_MAJOR}.${version_MINOR}")
if(version_PATCH GREATER 0)
  string(APPEND KOTOPAI_VERSION ".${version_PATCH}")
endif()
if(version_TWEAK GREATER 0)
  math(EXPR letter "${version_TWEAK} - 1")
  string(SUBSTRING "abcdefghijklmnopqrstuvwxyz" ${letter} 1 letter)
  string(APPEND KOTOPAI_VERSION "${letter}")
endif()
string(REPLACE ";" "." KOTOPAI_VERSION_DOTTED "${version_numbers}")
string(REPLACE ";" "," KOTOPAI_VERSION_NUMBERS "${version_numbers}")

set(generated ${CMAKE_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${generated}/program_version.h @ONLY CONTENT
"// The build's version, from the CMake project's: as the player reads it, and as the
// version record's four numbers.
#define KOTOPAI_VERSION \"@KOTOPAI_VERSION@\"
#define KOTOPAI_VERSION_DOTTED \"@KOTOPAI_VERSION_DOTTED@\"
#define KOTOPAI_VERSION_NUMBERS @KOTOPAI_VERSION_NUMBERS@
")
configure_file(${CMAKE_SOURCE_DIR}/resources/kotopai.manifest.in ${generated}/kotopai.manifest @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/help/home.htm ${generated}/help/home.htm @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/readme-windows.txt ${generated}/readme-windows.txt @ONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version.txt CONTENT "${KOTOPAI_VERSION}\n")
