# The web builds, configured through Emscripten's emcmake (tools/build_web.sh).
#
# The programs: each runs under node on the computer's own files (NODERAWFS), a single script
# with its WebAssembly inside (and a second one that starts its threads), so that it runs from
# any folder. Studies run on threads: web workers over shared memory, with main() itself on one
# of them so that the program can wait for the others. Every object, the libraries built from
# source included, must share the threads' memory.
#
# The page (VELMAR_WEB_PAGE): the front end for a browser. Shared memory needs a page served
# with cross-origin isolation, which a page opened from disk never has, so the page runs on one
# thread; its dialogs wait for the user by setting the program's stack aside (Asyncify).
option(VELMAR_WEB_PAGE "Build the front end as a web page instead of the programs for node" OFF)
string(APPEND CMAKE_CXX_FLAGS " -fexceptions")
string(APPEND CMAKE_EXE_LINKER_FLAGS " -fexceptions -sALLOW_MEMORY_GROWTH=1")
if(NOT VELMAR_WEB_PAGE)
  string(APPEND CMAKE_CXX_FLAGS " -pthread")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " -pthread -sPROXY_TO_PTHREAD=1 -sEXIT_RUNTIME=1"
         " -sNODERAWFS=1 -sSINGLE_FILE=1 -Wno-pthreads-mem-growth")
endif()
# Emscripten's linker runs scripts that need acorn, from Debian's node modules, which a node
# installed from elsewhere does not search.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
