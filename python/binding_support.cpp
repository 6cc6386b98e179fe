#include "python/binding_support.h"

#include <pybind11/numpy.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

#include "study/commands.h"
#include "study/compare.h"
#include "study/parse_number.h"
#include "study/project_input.h"

namespace velmar::python {
namespace {

// How often a study run without the GIL lets Python see a Ctrl-C.
constexpr auto kSignalInterval = std::chrono::milliseconds(50);

bool NumpyAvailable() {
    try {
        py::module_::import("numpy");
        return true;
    } catch (const py::error_already_set& e) {
        if (!e.matches(PyExc_ImportError)) throw;
        return false;
    }
}

}  // namespace

std::string PathText(py::handle path) {
    const py::object text = py::module_::import("os").attr("fspath")(path);
    if (!py::isinstance<py::str>(text)) throw py::type_error("a project file's path must be text");
    std::string name = text.cast<std::string>();
    // The system would read the name only up to the NUL, and so reach another file.
    if (name.find('\0') != std::string::npos)
        throw py::value_error("a project file's path cannot hold a NUL character");
    return name;
}

Project ProjectFrom(py::handle project) {
    if (py::isinstance<Project>(project)) return project.cast<const Project&>();
    Project p{{}, PathText(project)};
    study::ReadStudyProject(p.path, p.state);
    return p;
}

int ThreadsFrom(py::handle threads) {
    if (threads.is_none()) return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return static_cast<int>(WholeNumberFrom(threads, "threads", 1, study::kMostThreads));
}

std::uint64_t WholeNumberFrom(py::handle number, const char* what, std::uint64_t min, std::uint64_t max) {
    if (PyBool_Check(number.ptr()) || PyIndex_Check(number.ptr()) == 0)
        throw py::type_error(std::string(what) + " takes a whole number, not " +
                             std::string(py::repr(number)));
    return study::ParseWholeNumber(std::string(py::str(py::int_(py::reinterpret_borrow<py::object>(number)))),
                                   what, min, max);
}

std::string NumberArgument(py::handle number, const char* what) {
    if (py::isinstance<py::str>(number)) return number.cast<std::string>();
    if (PyIndex_Check(number.ptr()) != 0)
        return py::str(py::int_(py::reinterpret_borrow<py::object>(number)));
    if (PyNumber_Check(number.ptr()) != 0)
        return py::repr(py::float_(py::reinterpret_borrow<py::object>(number)));
    throw py::type_error(std::string(what) + " takes numbers, not " + std::string(py::repr(number)));
}

void Warn(const std::string& message) {
    if (PyErr_WarnEx(PyExc_RuntimeWarning, message.c_str(), 1) != 0) throw py::error_already_set();
}

study::ProgressWatch SignalWatch() {
    auto last = std::chrono::steady_clock::now();
    return [last](std::size_t, std::size_t) mutable {
        const auto now = std::chrono::steady_clock::now();
        if (now - last < kSignalInterval) return;
        last = now;
        py::gil_scoped_acquire acquire;
        if (PyErr_CheckSignals() != 0) throw PythonSignal{};
    };
}

namespace {

// The bytes a value takes: in a NumPy array, or as a Python float in a list beside the double
// it is made from.
constexpr double kArrayValueBytes = 8, kListValueBytes = 8 + 24 + 8;

// The memory installed, where the system tells it.
std::optional<double> InstalledMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES), page = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || page <= 0) return std::nullopt;
    return static_cast<double>(pages) * static_cast<double>(page);
}

std::string Gigabytes(double bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f GB", bytes / 1e9);
    return text;
}

// A table that cannot fit in the computer's memory is refused before the study starts, with the
// size it would need: it could only end after long swapping, or be killed.
void CheckTableFits(std::size_t columns, std::size_t rows, bool arrays) {
    const double need = static_cast<double>(columns) * static_cast<double>(rows) *
                        (arrays ? kArrayValueBytes : kListValueBytes);
    const std::optional<double> memory = InstalledMemory();
    if (!memory || need <= *memory) return;
    PyErr_SetString(PyExc_MemoryError,
                    ("the study would need " + Gigabytes(need) + " for the results, more than the " +
                     Gigabytes(*memory) + " of memory this computer has; ask for fewer points or samples")
                        .c_str());
    throw py::error_already_set();
}

}  // namespace

void WarnAll(const std::vector<std::string>& notes) {
    for (const std::string& note : notes) Warn(note);
}

ColumnTable::ColumnTable(std::vector<std::string> names, std::size_t rows)
    : names_(std::move(names)), rows_(rows) {
    CheckTableFits(names_.size(), rows_, NumpyAvailable());
    if (NumpyAvailable()) {
        py::array_t<double> array(std::vector<py::ssize_t>{static_cast<py::ssize_t>(names_.size()),
                                                           static_cast<py::ssize_t>(rows_)});
        data_ = array.mutable_data();
        array_ = std::move(array);
    } else {
        values_.resize(names_.size() * rows_);
        data_ = values_.data();
    }
}

py::dict ColumnTable::Columns() const {
    py::dict columns;
    for (std::size_t c = 0; c < names_.size(); ++c) {
        if (array_) {
            columns[py::str(names_[c])] = array_[py::int_(c)];
            continue;
        }
        py::list column(rows_);
        for (std::size_t r = 0; r < rows_; ++r) column[r] = py::float_(data_[c * rows_ + r]);
        columns[py::str(names_[c])] = column;
    }
    return columns;
}

pkc::WetlandType WetlandTypeFrom(const std::string& type) {
    const auto& types = study::WetlandTypesByName();
    const auto found = types.find(type);
    if (found != types.end()) return found->second;
    std::string names;
    for (const auto& [name, _] : types) names += (names.empty() ? "'" : " or '") + name + "'";
    throw py::value_error("type is " + names + ", not '" + type + "'");
}

}  // namespace velmar::python
