// The velmar Python module: the engine and the studies of velmar-study for scripts and
// notebooks, on the study library.
#include "python/binding_support.h"
#include "study/study_error.h"

namespace velmar::python {
namespace {

PyObject* ExceptionFor(study::StudyErrorKind kind) {
    switch (kind) {
        case study::StudyErrorKind::UnknownName: return PyExc_KeyError;
        case study::StudyErrorKind::NotANumber: return PyExc_TypeError;
        case study::StudyErrorKind::File: return PyExc_OSError;
        case study::StudyErrorKind::BadValue: break;
    }
    return PyExc_ValueError;
}

}  // namespace
}  // namespace velmar::python

PYBIND11_MODULE(velmar, m) {
    using namespace velmar::python;
    m.doc() = R"doc(The wetland removal model and its studies: read a project, change its inputs by
their record names, run it, sweep it, give it uncertain inputs, size it for a target,
compare it with the P-k-C* design method or fit its inputs to observations.

    import velmar
    project = velmar.Project.read("typical.inp")
    project["area"] = 2e5
    print(project.run()["RE_TN"]))doc";
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const velmar::study::StudyError& e) {
            PyErr_SetString(ExceptionFor(e.kind), e.what());
        } catch (const PythonSignal&) {
            // Python's own exception (KeyboardInterrupt) is already set.
        }
    });
    BindProject(m);
    BindStudies(m);
    BindCalibrate(m);
}
