// What the Python module's bindings share: projects given as objects or paths, arguments
// turned into the studies' own text forms, the engine run without the GIL, and tables of
// columns as NumPy arrays or lists.
#pragma once

#include <pybind11/pybind11.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "project/pkc.h"
#include "study/progress.h"
#include "study/results.h"

namespace velmar::python {

namespace py = pybind11;

// A project as the engine reads it, with the file it came from (named in messages).
struct Project {
    ModelState state;
    std::string path;
};

// The 95 results of a run.
struct Results {
    study::ResultValues values;
};

// Warns of each of a study's notes, as RuntimeWarning.
void WarnAll(const std::vector<std::string>& notes);

// A str or os.PathLike as text; ValueError for one that holds a NUL character.
std::string PathText(py::handle path);

// A Project, or the path of a project file, read as the engine reads it.
Project ProjectFrom(py::handle project);

// The number of worker threads: all cores for None.
int ThreadsFrom(py::handle threads);

// An integer from min to max, read as the command line reads whole numbers: TypeError for
// anything but an integer (a float, a text, a bool), ValueError outside the range.
std::uint64_t WholeNumberFrom(py::handle number, const char* what, std::uint64_t min, std::uint64_t max);

// A number as the studies read it from their arguments: text as it stands, an integer in
// whole digits, any other number in the shortest form that reads back exactly.
std::string NumberArgument(py::handle number, const char* what);

// The wetland type named as the commands take it, "fws" or "hssf"; ValueError for another.
pkc::WetlandType WetlandTypeFrom(const std::string& type);

// Warns with a RuntimeWarning (raised, when warnings are made errors).
void Warn(const std::string& message);

// Thrown from a study's progress watch when Python has an exception from a signal (Ctrl-C) to
// raise; that exception is already set.
struct PythonSignal {};

// A progress watch for a study run without the GIL: now and then it takes the GIL back to
// let Python handle a signal, and throws PythonSignal when Python's handler raised.
study::ProgressWatch SignalWatch();

// The engine's work, run with the GIL released.
template <typename Work>
auto WithoutGil(Work work) {
    py::gil_scoped_release release;
    return work();
}

// A table of numeric columns of equal length, filled without the GIL: NumPy arrays when NumPy
// can be imported, lists of floats otherwise.
class ColumnTable {
public:
    ColumnTable(std::vector<std::string> names, std::size_t rows);

    // Column c, row r: the table is kept column after column.
    double& At(std::size_t c, std::size_t r) { return data_[c * rows_ + r]; }

    // {name: column} in column order.
    py::dict Columns() const;

private:
    std::vector<std::string> names_;
    std::size_t rows_;
    py::object array_;  // the NumPy array, or none
    std::vector<double> values_;
    double* data_;
};

void BindProject(py::module_& m);
void BindStudies(py::module_& m);
void BindCalibrate(py::module_& m);

}  // namespace velmar::python
