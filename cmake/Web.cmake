# The web build, configured through Emscripten's emcmake (tools/build_web.sh). Its programs
# run under node on the computer's own files (NODERAWFS), each a single script with its
# WebAssembly inside (and a second one that starts its threads), so that they run from any
# folder. Exceptions are caught as on the desktop, and studies run on threads: web workers over
# shared memory, with main() itself on one of them so that the program can wait for the others.
# Every object, the libraries built from source included, must share the threads' memory.
string(APPEND CMAKE_CXX_FLAGS " -fexceptions -pthread")
string(APPEND CMAKE_EXE_LINKER_FLAGS " -fexceptions -pthread -sPROXY_TO_PTHREAD=1 -sEXIT_RUNTIME=1"
       " -sNODERAWFS=1 -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1 -Wno-pthreads-mem-growth")
# Emscripten's linker runs scripts that need acorn, from Debian's node modules, which a node
# installed from elsewhere does not search.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
