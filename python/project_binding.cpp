// velmar.Project and velmar.Results: a project's fields by their record names, saving, and
// one run of the engine.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>

#include "model/driver.h"
#include "project/project_file.h"
#include "python/binding_support.h"
#include "study/command_support.h"
#include "study/fields.h"
#include "study/study_error.h"

namespace velmar::python {
namespace {

using study::InputField;
using study::kResultCount;
using study::ResultName;

// Fields looked up once by name: a lookup compares every label of the file.
const InputField& Field(const std::string& name) {
    static std::unordered_map<std::string, InputField> found;  // used under the GIL only
    const auto it = found.find(name);
    if (it != found.end()) return it->second;
    return found.emplace(name, study::FindInputField(name)).first->second;
}

py::object Get(const Project& p, const std::string& name) {
    const FileEntry& e = *Field(name).value;
    if (e.kind == FieldKind::Int) return py::int_(IntAt(p.state, e));
    return py::float_(RealAt(p.state, e));
}

// A whole-number field takes an integer, or a number without a fraction.
double WholeNumber(const std::string& name, py::handle value) {
    const std::string field = "input field '" + name + "'";
    if (PyIndex_Check(value.ptr()) == 0) {
        const double x = py::float_(py::reinterpret_borrow<py::object>(value));
        if (std::isfinite(x) && x == std::trunc(x))
            return WholeNumber(name, py::int_(py::reinterpret_borrow<py::object>(value)));
        throw py::value_error(field + " takes a whole number, not " + std::string(py::repr(value)));
    }
    const py::int_ n(py::reinterpret_borrow<py::object>(value));
    constexpr auto kLow = std::numeric_limits<std::int32_t>::min(),
                   kHigh = std::numeric_limits<std::int32_t>::max();
    if (n < py::int_(kLow) || n > py::int_(kHigh)) {
        throw py::value_error(field + " takes a whole number from " + std::to_string(kLow) + " to " +
                              std::to_string(kHigh) + ", not " + std::string(py::repr(n)));
    }
    return static_cast<double>(n.cast<long long>());
}

double RealNumber(const InputField& field, py::handle value) {
    const double x = py::float_(py::reinterpret_borrow<py::object>(value));
    const std::string name = "input field '" + field.name + "'";
    if (!std::isfinite(x))
        throw py::value_error(name + " takes a finite number, not " + std::string(py::repr(value)));
    if (field.not_negative && x < 0)
        throw py::value_error(name + " cannot be below 0, not " + std::string(py::repr(value)));
    return x;
}

// The value goes into the field and its working copy; a changed flow or dimension brings
// the values the system screens derive from it, as a study that varies the field does, and
// the project keeps the dimensions it was entered with.
void Set(Project& p, const std::string& name, py::handle value) {
    const InputField& field = Field(name);
    if (PyNumber_Check(value.ptr()) == 0 || py::isinstance<py::str>(value)) {
        throw py::type_error("input field '" + name + "' takes a number, not " +
                             std::string(py::repr(value)));
    }
    const double x = field.whole ? WholeNumber(name, value) : RealNumber(field, value);
    study::SetInput(p.state, field, x);
}

bool Contains(const std::string& name) {
    try {
        Field(name);
        return true;
    } catch (const study::StudyError&) {
        return false;
    }
}

void Save(Project& p, py::handle path) {
    const std::string file = PathText(path);
    std::error_code reason;
    if (WriteProjectFile(file, p.state, &reason) != 0) {
        throw study::StudyError(file + ": " + reason.message(), study::StudyErrorKind::File);
    }
    p.path = file;
}

Results Run(const Project& p) {
    Results r;
    // Copied under the GIL: another thread may change the project while the engine runs.
    ModelState s = p.state;
    study::ResultFlaws flaws;
    WithoutGil([&] {
        ComputeModel(s);
        flaws = study::CollectResults(s, r.values);
    });
    WarnAll(study::ProjectRunNotes(flaws, p.path));
    return r;
}

std::optional<std::size_t> ResultIndex(const std::string& name) {
    for (std::size_t i = 0; i < kResultCount; ++i) {
        if (name == ResultName(i)) return i;
    }
    return std::nullopt;
}

py::list ResultNames() {
    py::list names;
    for (std::size_t i = 0; i < kResultCount; ++i) names.append(ResultName(i));
    return names;
}

py::dict AsDict(const Results& r) {
    py::dict d;
    for (std::size_t i = 0; i < kResultCount; ++i) d[ResultName(i)] = r.values[i];
    return d;
}

}  // namespace

void BindProject(py::module_& m) {
    py::class_<Project>(m, "Project", R"doc(A wetland project, as the engine reads it from its project file.

Fields are read and written by their record names, as velmar-study names them:
project["Ktn"], project["Kds[1]"], project["detention_time"] (blanks in a label may be
written as underscores: project["TSS_removal_rate"]). A value goes into the field and its
working copy; a whole-number field takes an integer. Setting the flow, volume, area,
depth, length or width recomputes what the system screens derive from it (the dimensions
not chosen, the detention time, the mean velocity), as a study varying that field does: a new
area keeps the depth and the length-to-width ratio, a new depth the plan, a new volume the
depth and the chosen length or width, a new length or width the plan area. The project keeps
the dimensions it was entered with.)doc")
        .def_static(
            "read", [](py::handle path) { return ProjectFrom(py::str(PathText(path))); }, py::arg("path"),
            "Reads a project file (.inp) as the engine reads it.")
        .def("save", &Save, py::arg("path"),
             "Saves the project as the front end saves it: the whole record in the current layout, "
             "written beside the file and moved into place only when complete.")
        .def_property_readonly(
            "path", [](const Project& p) { return p.path; },
            "The file the project was read from or last saved to.")
        .def("__getitem__", &Get, py::arg("name"))
        .def("__setitem__", &Set, py::arg("name"), py::arg("value"))
        .def("__contains__", [](const Project&, const std::string& name) { return Contains(name); })
        .def(
            "copy", [](const Project& p) { return p; }, "An independent copy of the project.")
        .def("__copy__", [](const Project& p) { return p; })
        .def(
            "__deepcopy__", [](const Project& p, py::handle) { return p; }, py::arg("memo"))
        .def("run", &Run,
             "Runs the model on the project and returns its 95 results. When the phosphorus "
             "solution does not converge, the TP results are nan and a RuntimeWarning says so.")
        .def("__repr__", [](const Project& p) {
            return "velmar.Project.read(" + std::string(py::repr(py::str(p.path))) + ")";
        });

    py::class_<Results>(m, "Results", R"doc(The 95 results of a run, a read-only mapping from their names
as in velmar-study ("RE_TN", "TSSoutConc", "ContamRemovalRate[3]") to their values.)doc")
        .def("__getitem__",
             [](const Results& r, const std::string& name) { return r.values[study::FindResult(name)]; })
        .def("__len__", [](const Results&) { return kResultCount; })
        .def("__iter__", [](const Results&) { return py::iter(ResultNames()); })
        .def("__contains__",
             [](const Results&, const std::string& name) { return ResultIndex(name).has_value(); })
        .def("keys", [](const Results&) { return ResultNames(); })
        .def("values",
             [](const Results& r) {
                 py::list values;
                 for (double x : r.values) values.append(x);
                 return values;
             })
        .def("items", [](const Results& r) { return AsDict(r).attr("items")(); })
        .def(
            "get",
            [](const Results& r, const std::string& name, py::object fallback) -> py::object {
                const auto i = ResultIndex(name);
                return i ? py::float_(r.values[*i]) : fallback;
            },
            py::arg("name"), py::arg("default") = py::none())
        .def(
            "__eq__",
            [](const Results& a, const Results& b) {
                for (std::size_t i = 0; i < kResultCount; ++i) {
                    if (!(a.values[i] == b.values[i] || (std::isnan(a.values[i]) && std::isnan(b.values[i]))))
                        return false;
                }
                return true;
            })
        .def("__repr__",
             [](const Results& r) { return "velmar.Results(" + std::string(py::repr(AsDict(r))) + ")"; });
    py::module_::import("collections.abc").attr("Mapping").attr("register")(m.attr("Results"));
}

}  // namespace velmar::python
