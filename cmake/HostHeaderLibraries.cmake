# The header-only libraries, for a cross build: {fmt}, which writes numbers, and CLI11,
# nlohmann-json and Eigen, which velmar-study uses.
# Debian installs them for the build machine alone, into /usr/include, which a cross compiler
# must not search as a whole (it holds the build machine's C library): each library's own
# folder is linked into a folder of the build and offered from there. A library included from
# inside its folder (Eigen's <Eigen/Dense>) names the folders within it to link.
function(velmar_host_header_library target folder)
  set(root ${CMAKE_BINARY_DIR}/host-headers/${folder})
  if(NOT IS_DIRECTORY /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: ${target} is needed")
  endif()
  file(MAKE_DIRECTORY ${root})
  set(inner ${ARGN})
  if(NOT inner)
    file(CREATE_LINK /usr/include/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  foreach(sub IN LISTS inner)
    file(CREATE_LINK /usr/include/${folder}/${sub} ${root}/${sub} SYMBOLIC)
  endforeach()
  add_library(${target} INTERFACE IMPORTED)
  target_include_directories(${target} SYSTEM INTERFACE ${root})
endfunction()

velmar_host_header_library(CLI11::CLI11 CLI)
velmar_host_header_library(nlohmann_json::nlohmann_json nlohmann)
velmar_host_header_library(fmt::fmt-header-only fmt)
target_compile_definitions(fmt::fmt-header-only INTERFACE FMT_HEADER_ONLY=1)
velmar_host_header_library(Eigen3::Eigen eigen3 Eigen unsupported)
