"""Every bad input raises the documented exception; where velmar-study refuses the same input,
with the very message the command prints."""
import os
import re

import pytest
import velmar
from conftest import EXAMPLES, example, run_study

TYPICAL = example("typical.inp")
MISSING = "missing.inp"

# What the command is told, what Python is given, and the exception it raises.
LIKE_THE_COMMAND = [
    (["sweep", TYPICAL, "--vary", "detention_tim=1:2:3"],
     lambda: velmar.sweep(TYPICAL, {"detention_tim": (1, 2, 3)}), KeyError),
    (["sweep", TYPICAL, "--vary", "HMName1=1:2:3"],
     lambda: velmar.sweep(TYPICAL, {"HMName1": (1, 2, 3)}), TypeError),
    (["sweep", TYPICAL, "--vary", "Vs=1:2:1"], lambda: velmar.sweep(TYPICAL, {"Vs": (1, 2, 1)}), ValueError),
    (["sweep", TYPICAL, "--vary", "Vs=1:2"], lambda: velmar.sweep(TYPICAL, {"Vs": (1, 2)}), ValueError),
    (["sweep", TYPICAL, "--vary", "Vs=0:2:3", "--log"],
     lambda: velmar.sweep(TYPICAL, {"Vs": (0, 2, 3)}, log=True), ValueError),
    (["sweep", TYPICAL, "--vary", "Vs=0.1:x:3"], lambda: velmar.sweep(TYPICAL, {"Vs": (0.1, "x", 3)}), ValueError),
    (["sweep", TYPICAL, "--vary", "Vs=1:2:3", "--vary", "Ktn=1:2:3", "--vary", "Kdn=1:2:3"],
     lambda: velmar.sweep(TYPICAL, {"Vs": (1, 2, 3), "Ktn": (1, 2, 3), "Kdn": (1, 2, 3)}), ValueError),
    (["sweep", TYPICAL, "--vary", "Vs=1:2:3", "--vary", "Vs=2:3:3"],
     lambda: velmar.sweep(TYPICAL, ["Vs=1:2:3", "Vs=2:3:3"]), ValueError),
    (["sweep", MISSING, "--vary", "Vs=1:2:3"], lambda: velmar.sweep(MISSING, {"Vs": (1, 2, 3)}), OSError),
    (["sweep", EXAMPLES, "--vary", "Vs=1:2:3"], lambda: velmar.sweep(EXAMPLES, {"Vs": (1, 2, 3)}), OSError),
    (["sweep", example("README.md"), "--vary", "Vs=1:2:3"],
     lambda: velmar.sweep(example("README.md"), {"Vs": (1, 2, 3)}), OSError),
    (["uncertainty", TYPICAL, "-n", "10", "--dist", "Vs=normal(0.5,0)"],
     lambda: velmar.uncertainty(TYPICAL, {"Vs": ("normal", 0.5, 0)}, 10), ValueError),
    (["uncertainty", TYPICAL, "-n", "10", "--dist", "Vs=lognormal(0.5,1)"],
     lambda: velmar.uncertainty(TYPICAL, {"Vs": "lognormal(0.5,1)"}, 10), ValueError),
    (["uncertainty", TYPICAL, "-n", "10", "--dist", "Vs=triangular(1,0.5,2)"],
     lambda: velmar.uncertainty(TYPICAL, {"Vs": ("triangular", 1, 0.5, 2)}, 10), ValueError),
    (["uncertainty", TYPICAL, "-n", "10", "--dist", "Vs=uniform(1)"],
     lambda: velmar.uncertainty(TYPICAL, {"Vs": ("uniform", 1)}, 10), ValueError),
    (["uncertainty", TYPICAL, "-n", "10", "--dist", "Vs=gamma(1,2)"],
     lambda: velmar.uncertainty(TYPICAL, {"Vs": ("gamma", 1, 2)}, 10), ValueError),
    (["uncertainty", TYPICAL, "-n", "10", "--dist", "depth=uniform(1,2)", "--dist", "area=uniform(1,2)",
      "--dist", "volume=uniform(1,2)"],
     lambda: velmar.uncertainty(TYPICAL, {f: "uniform(1,2)" for f in ("depth", "area", "volume")}, 10), ValueError),
    (["size", TYPICAL, "--target", "RE_TSS=150", "--vary", "Vs"],
     lambda: velmar.size(TYPICAL, ("RE_TSS", 150), "Vs"), ValueError),
    (["size", TYPICAL, "--target", "RE_TX=80", "--vary", "Vs"], lambda: velmar.size(TYPICAL, ("RE_TX", 80), "Vs"),
     KeyError),
    (["size", TYPICAL, "--target", "RE_TSS", "--vary", "Vs"], lambda: velmar.size(TYPICAL, "RE_TSS", "Vs"),
     ValueError),
    (["size", TYPICAL, "--target", "RE_TSS=80", "--vary", "Vs", "--range", "5:1"],
     lambda: velmar.size(TYPICAL, ("RE_TSS", 80), "Vs", range=(5, 1)), ValueError),
    (["size", TYPICAL, "--target", "RE_TSS=80", "--vary", "TCBinConc"],
     lambda: velmar.size(TYPICAL, ("RE_TSS", 80), "TCBinConc"), ValueError),
    (["size", TYPICAL, "--target", "RE_TP=50", "--vary", "Vs", "--range", "1.9:2.1"],
     lambda: velmar.size(TYPICAL, ("RE_TP", 50), "Vs", range="1.9:2.1"), ValueError),
    (["sweep", TYPICAL, "--vary", "model_n=0.3:0.9:3"],
     lambda: velmar.sweep(TYPICAL, {"model_n": (0.3, 0.9, 3)}), ValueError),
    (["uncertainty", TYPICAL, "-n", "10", "--dist", "Vs=uniform(-1,1)"],
     lambda: velmar.uncertainty(TYPICAL, {"Vs": ("uniform", -1, 1)}, 10), ValueError),
    (["size", TYPICAL, "--target", "RE_TN=80", "--vary", "model_n"],
     lambda: velmar.size(TYPICAL, ("RE_TN", 80), "model_n"), ValueError),
    (["compare", TYPICAL, "--k", "TSS=3"], lambda: velmar.compare(TYPICAL, k={"TSS": 3}), ValueError),
    (["compare", TYPICAL, "--k", "TN=0"], lambda: velmar.compare(TYPICAL, k={"TN": 0}), ValueError),
    (["compare", TYPICAL, "--cstar", "TN=-1"], lambda: velmar.compare(TYPICAL, cstar="TN=-1"), ValueError),
    (["compare", TYPICAL, "--tanks", "TN"], lambda: velmar.compare(TYPICAL, tanks="TN"), ValueError),
    (["compare", TYPICAL, "--target", "TN=x"], lambda: velmar.compare(TYPICAL, target={"TN": "x"}), ValueError),
    (["compare", TYPICAL, "--theta", "TN=1", "--theta", "TN=2"],
     lambda: velmar.compare(TYPICAL, theta=["TN=1", "TN=2"]), ValueError),
    (["compare", MISSING], lambda: velmar.compare([TYPICAL, MISSING]), OSError),
    (["compare", TYPICAL, TYPICAL, "--areas", "1:2:3"], lambda: velmar.compare([TYPICAL] * 2, areas=(1, 2, 3)),
     ValueError),
    (["compare", TYPICAL, "--areas", "0:2:3"], lambda: velmar.compare(TYPICAL, areas="0:2:3"), ValueError),
    (["compare", TYPICAL, "--log"], lambda: velmar.compare(TYPICAL, log=True), ValueError),
    (["run", MISSING], lambda: velmar.Project.read(MISSING), OSError),
    (["run", MISSING], lambda: velmar.run_many([TYPICAL, MISSING]), OSError),
    (["run", "/dev/zero"], lambda: velmar.Project.read("/dev/zero"), OSError),
    (["sweep", TYPICAL, "--vary", "Vs=1:2:010"], lambda: velmar.sweep(TYPICAL, {"Vs": (1, 2, "010")}), ValueError),
]


@pytest.mark.parametrize("arguments, call, exception", LIKE_THE_COMMAND)
def test_raises_what_the_command_says(arguments, call, exception):
    status, _, err = run_study(*arguments)
    assert status == 1
    with pytest.raises(exception) as raised:
        call()
    assert "velmar-study: " + raised.value.args[0] + "\n" == err


# Refused by Python alone: fields set in a project, and values the command line cannot hold.
def typical():
    return velmar.Project.read(TYPICAL)


def assign(name, value):
    project = typical()
    project[name] = value


PYTHON_ONLY = [
    (lambda: typical()["Ktm"], KeyError, "unknown input field 'Ktm'; nearest: Ktn, Kdn, Kdw"),
    (lambda: assign("Ktm", 1), KeyError, "unknown input field 'Ktm'; nearest: Ktn, Kdn, Kdw"),
    (lambda: typical()["HMName1"], TypeError, "input field 'HMName1' holds a name, not a number"),
    (lambda: typical().run()["RE_TX"], KeyError, "unknown result 'RE_TX'; nearest: RE_TN, RE_TP, RE_TSS"),
    (lambda: assign("Ktn", "0.5"), TypeError, "input field 'Ktn' takes a number, not '0.5'"),
    (lambda: assign("Ktn", float("nan")), ValueError, "input field 'Ktn' takes a finite number, not nan"),
    (lambda: assign("model_n", 1.5), ValueError, "input field 'model_n' takes a whole number, not 1.5"),
    (lambda: assign("model_n", 2**31), ValueError,
     "input field 'model_n' takes a whole number from -2147483648 to 2147483647, not 2147483648"),
    (lambda: assign("depth", -0.5), ValueError, "input field 'depth' cannot be below 0, not -0.5"),
    (lambda: typical().save(os.path.join(EXAMPLES, "no such folder", "p.inp")), OSError,
     os.path.join(EXAMPLES, "no such folder", "p.inp") + ": No such file or directory"),
    (lambda: velmar.sweep(TYPICAL, {"Vs": (1, None, 3)}), TypeError, "vary takes numbers, not None"),
    (lambda: velmar.uncertainty(TYPICAL, {"Vs": (1, 2)}, 10), TypeError,
     "dist: a distribution is given as text, 'lognormal(0.2,2)', or as a tuple, ('lognormal', 0.2, 2)"),
    (lambda: velmar.size(TYPICAL, ("RE_TN",), "area"), TypeError,
     "target is given as 'RESULT=VALUE' or as (RESULT, VALUE)"),
    (lambda: velmar.compare(TYPICAL, type="vf"), ValueError, "type is 'fws' or 'hssf', not 'vf'"),
    (lambda: velmar.compare(TYPICAL, k={"TN": None}), TypeError, "k takes numbers, not None"),
    (lambda: velmar.run_many([TYPICAL], threads=0), ValueError, "threads: '0' is not a whole number from 1 to 4096"),
    (lambda: velmar.run_many([TYPICAL], threads=2**64), ValueError,
     "threads: '18446744073709551616' is not a whole number from 1 to 4096"),
    (lambda: velmar.run_many([TYPICAL], threads=1.5), TypeError, "threads takes a whole number, not 1.5"),
    (lambda: velmar.run_many([TYPICAL], threads="2"), TypeError, "threads takes a whole number, not '2'"),
    (lambda: velmar.run_many([TYPICAL], threads=True), TypeError, "threads takes a whole number, not True"),
    (lambda: velmar.uncertainty(TYPICAL, {"Vs": "uniform(1,2)"}, 0), ValueError,
     "n: '0' is not a whole number from 1 to 9223372036854775807"),
    (lambda: velmar.uncertainty(TYPICAL, {"Vs": "uniform(1,2)"}, 10.0), TypeError,
     "n takes a whole number, not 10.0"),
    (lambda: velmar.uncertainty(TYPICAL, {"Vs": "uniform(1,2)"}, 10, seed=-1), ValueError,
     "seed: '-1' is not a whole number from 0 to 18446744073709551615"),
    (lambda: velmar.run_many(TYPICAL), TypeError,
     "run_many takes a list of projects or paths, not one path; give [path]"),
    (lambda: velmar.Project.read(TYPICAL + "\0.bak"), ValueError, "a project file's path cannot hold a NUL character"),
    (lambda: typical().save("x\0y"), ValueError, "a project file's path cannot hold a NUL character"),
]


@pytest.mark.parametrize("call, exception, message", PYTHON_ONLY)
def test_raises_with_a_clear_message(call, exception, message):
    with pytest.raises(exception) as raised:
        call()
    assert raised.value.args[0] == message


# 96 columns (the input and the results) of 2**31 - 1 points: 1649.3 GB as NumPy arrays, five
# times that as lists of floats.
def test_a_study_too_large_for_memory_is_refused_before_it_starts():
    with pytest.raises(MemoryError) as raised:
        velmar.sweep(TYPICAL, {"Vs": (0.1, 1, 2**31 - 1)})
    assert re.fullmatch(r"the study would need (1649\.3|8246\.3) GB for the results, more than the \d+\.\d GB of "
                        r"memory this computer has; ask for fewer points or samples", raised.value.args[0])


# A project spoilt as a careless edit or a failed copy would spoil it: line (from 1) and its new
# text, or None to cut the file after the line before.
SPOILT = [(401, None), (339, "abc"), (339, "1,16"), (339, "nan"), (339, "inf"), (339, "1" + "0" * 400),
          (3, "1.5"), (867, "Dieldrin oil")]


@pytest.mark.parametrize("line, text", SPOILT)
def test_a_spoilt_project_is_refused_as_the_command_refuses_it(tmp_path, line, text):
    with open(TYPICAL, encoding="ascii") as f:
        lines = f.read().splitlines()
    lines = lines[:line - 1] if text is None else lines[:line - 1] + [text] + lines[line:]
    spoilt = tmp_path / "spoilt.inp"
    spoilt.write_text("\n".join(lines) + "\n", encoding="ascii")
    status, _, err = run_study("run", str(spoilt))
    assert status == 1
    with pytest.raises(OSError) as raised:
        velmar.Project.read(spoilt)
    assert "velmar-study: " + raised.value.args[0] + "\n" == err
    assert str(spoilt) + ": line " in err or "the file ends after line" in err
