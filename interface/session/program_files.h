// Where the front end finds the files it ships with (the engine, the help texts, the
// pictures and the documents), and where a model run puts its files.
#pragma once

#include <filesystem>
#include <string>

#include "project/file_names.h"

namespace velmar {

// The engine's file name.
#ifdef _WIN32
inline constexpr char kEngineFile[] = "velmar.exe";
#else
inline constexpr char kEngineFile[] = "velmar";
#endif

// The folder of the front end's executable, given once at start-up. Until it is given,
// shipped files are looked for in the current directory alone.
void SetProgramFolder(const std::filesystem::path& folder);

// A file shipped with the program, named as it lies in the program's folder ("back.bmp",
// "Help/tcb.txt", the engine): in the current directory when it is there, as when the
// program is started from its own folder; else beside the executable; else in the data
// folder of an installed program (share/velmar beside the executable's bin folder). The
// name itself, relative to the current directory, when that holds the file or when none
// does (the caller then reports its absence as before); else the absolute path found.
std::filesystem::path ProgramFile(const std::string& name);

// The folder in which a model run writes its temporary data file and the engine its
// results file: the current directory when the program runs in its own folder (or has not
// been told where that is) and may write there; otherwise the user's own folder for runs
// ($XDG_CACHE_HOME/velmar or ~/.cache/velmar; %LOCALAPPDATA%\Velmar on Windows), made
// when missing. So a run started from the desktop, in the user's home, neither litters nor
// replaces the user's files; when no such folder can be made, the current directory.
std::filesystem::path RunFolder();

}  // namespace velmar
