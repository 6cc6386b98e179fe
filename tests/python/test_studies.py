"""The studies from Python give what velmar-study writes for the same arguments, as NumPy
arrays or, without NumPy, as lists."""
import csv
import io
import math
import pathlib
import signal
import subprocess
import sys
import textwrap
import time
import warnings

import pytest
import velmar
from conftest import assert_same_columns, example, number, run_study, same, study_table

TYPICAL = example("typical.inp")
CONVENTIONAL = example("conventional.inp")

SWEEPS = [
    # Python's vary and log, the command's arguments
    ({"Vs": (0.25, 1, 4)}, False, ["--vary", "Vs=0.25:1:4"]),
    ({"depth": (0.5, 1, 2), "Vs": (0.5, 1, 3)}, False, ["--vary", "depth=0.5:1:2", "--vary", "Vs=0.5:1:3"]),
    (["area=1e4:1e6:5"], True, ["--vary", "area=1e4:1e6:5", "--log"]),
    ({"Ktn": "0.1:0.3:3"}, False, ["--vary", "Ktn=0.1:0.3:3"]),
]


@pytest.mark.parametrize("vary, log, arguments", SWEEPS)
def test_sweep_gives_the_commands_table(vary, log, arguments):
    got = velmar.sweep(TYPICAL, vary, log=log, threads=2)
    assert_same_columns(got, study_table("sweep", TYPICAL, *arguments))


def test_sweep_of_a_changed_project_runs_it_as_changed(typical):
    typical["Ktn"] = 0.4
    got = velmar.sweep(typical, {"depth": (0.5, 1, 3)})
    for i, depth in enumerate(got["depth"]):
        point = typical.copy()
        point["depth"] = float(depth)
        assert got["RE_TN"][i] == point.run()["RE_TN"]


@pytest.mark.parametrize("lhs", [False, True])
def test_uncertainty_with_the_same_seed_gives_the_commands_numbers(lhs, tmp_path):
    dist = {"Vs": ("triangular", 0.2, 0.5, 1), "depth": "uniform(0.4,0.6)"}
    arguments = ["uncertainty", TYPICAL, "--dist", "Vs=triangular(0.2,0.5,1)", "--dist", "depth=uniform(0.4,0.6)",
                 "-n", "3000", "--seed", "7", "--samples", str(tmp_path / "samples.csv")] + (["--lhs"] if lhs else [])
    expected = study_table(*arguments)
    statistics, samples = velmar.uncertainty(TYPICAL, dist, 3000, seed=7, lhs=lhs, samples=True, threads=2)
    assert list(statistics) == expected["result"]
    for i, result in enumerate(expected["result"]):
        for name in ["n", "mean", "sd", "p5", "p25", "p50", "p75", "p95"]:
            assert same(float(statistics[result][name]), expected[name][i]), (result, name)
    assert isinstance(statistics["RE_TSS"]["n"], int)
    with open(tmp_path / "samples.csv") as f:
        rows = list(csv.reader(f))
    assert_same_columns(samples, {name: [number(row[c]) for row in rows[1:]] for c, name in enumerate(rows[0])})


def test_uncertainty_gives_the_chance_of_meeting_a_target_as_counted_in_the_samples():
    dist = {"Vs": "uniform(0.05,1)"}
    _, samples = velmar.uncertainty(TYPICAL, dist, 40, samples=True)
    meets = {"RE_TSS": lambda x, level: x >= level, "TSSoutConc": lambda x, level: x <= level}
    levels = {name: sorted(float(x) for x in samples[name])[15] for name in meets}
    statistics = velmar.uncertainty(TYPICAL, dist, 40, targets=levels)
    for name, meet in meets.items():
        met = sum(1 for x in samples[name] if meet(float(x), levels[name]))
        chance = statistics[name]["target"]
        assert (chance["value"], chance["met"], chance["n"], chance["share"]) == (levels[name], met, 40, met / 40)
        assert chance["low95"] < chance["share"] < chance["high95"]


def test_size_gives_the_commands_value():
    expected = study_table("size", CONVENTIONAL, "--target", "RE_TN=80", "--vary", "area")
    assert velmar.size(CONVENTIONAL, ("RE_TN", 80), "area") == {"area": expected["area"][0],
                                                                 "RE_TN": expected["RE_TN"][0]}
    ranged = study_table("size", TYPICAL, "--target", "RE_TSS=80", "--vary", "Vs", "--range", "0.1:3")
    assert velmar.size(TYPICAL, "RE_TSS=80", "Vs", range=(0.1, 3)) == {"Vs": ranged["Vs"][0],
                                                                       "RE_TSS": ranged["RE_TSS"][0]}


COMPARES = [
    # Python's projects and keywords, the command's arguments after its projects
    ([TYPICAL, CONVENTIONAL], {}, []),
    (pathlib.Path(CONVENTIONAL), {"type": "hssf", "k": {"TN": 30}, "tanks": "TN=2", "theta": {"BOD": 1.05}},
     ["--type", "hssf", "--k", "TN=30", "--tanks", "TN=2", "--theta", "BOD=1.05"]),
    (CONVENTIONAL, {"target": {"BOD": 10, "TN": 1, "TCB": 5000}},  # TN at 1 is below its C* of 1.5
     ["--target", "BOD=10", "--target", "TN=1", "--target", "TCB=5000"]),
    (CONVENTIONAL, {"areas": (5e4, 2e5, 4)}, ["--areas", "5e4:2e5:4"]),
    ([CONVENTIONAL], {"type": "hssf", "k": {"TN": 30}, "areas": "1e4:1e6:5", "log": True},
     ["--type", "hssf", "--k", "TN=30", "--areas", "1e4:1e6:5", "--log"]),
]
TEXT_COLUMNS = ["file", "constituent", "note"]


@pytest.mark.parametrize("projects, keywords, arguments", COMPARES)
def test_compare_gives_the_commands_table_and_says_what_it_did_not_reach(projects, keywords, arguments):
    paths = [str(p) for p in projects] if isinstance(projects, list) else [str(projects)]
    status, out, err = run_study("compare", *paths, *arguments)
    rows = list(csv.reader(io.StringIO(out)))
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        got = velmar.compare(projects, threads=2, **keywords)
    assert "".join(f"velmar-study: {w.message}\n" for w in caught) == err
    assert (status == 0) == (not caught)
    assert list(got) == rows[0]
    for c, name in enumerate(rows[0]):
        cells = [row[c] for row in rows[1:]]
        if name in TEXT_COLUMNS:
            assert got[name] == cells, name
            continue
        # an empty cell is no value, and "unreachable" an area no finite wetland has
        expected = [math.nan if x == "" else math.inf if x == "unreachable" else float(x) for x in cells]
        assert all(same(float(a), b) for a, b in zip(got[name], expected)) and len(got[name]) == len(cells), name


def test_unconverged_phosphorus_in_a_study_is_nan_with_the_commands_note():
    status, _, err = run_study("sweep", TYPICAL, "--vary", "Vs=1.9:2.1:5", "--vary", "depth=0.4:0.47:2")
    with pytest.warns(RuntimeWarning) as caught:
        got = velmar.sweep(TYPICAL, {"Vs": (1.9, 2.1, 5), "depth": (0.4, 0.47, 2)})
    assert "velmar-study: " + str(caught[0].message) + "\n" == err
    assert sum(x != x for x in got["RE_TP"]) == 2


NUMPY_HIDDEN = textwrap.dedent("""
    import sys
    sys.modules["numpy"] = None  # as if NumPy were not installed
    import velmar
    columns = velmar.sweep(sys.argv[1], {"Vs": (0.25, 1, 4)})
    _, samples = velmar.uncertainty(sys.argv[1], {"Vs": "uniform(0.2,1)"}, 10, samples=True)
    assert all(type(c) is list and all(type(x) is float for x in c) for c in columns.values())
    assert type(samples["Vs"]) is list and len(samples["Vs"]) == 10
    print(repr(columns["RE_TSS"]))
""")


def test_without_numpy_the_columns_are_lists_of_the_same_numbers():
    import numpy
    done = subprocess.run([sys.executable, "-c", NUMPY_HIDDEN, TYPICAL], capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    with_numpy = velmar.sweep(TYPICAL, {"Vs": (0.25, 1, 4)})
    assert isinstance(with_numpy["RE_TSS"], numpy.ndarray)
    assert eval(done.stdout) == with_numpy["RE_TSS"].tolist()


LONG_STUDY = textwrap.dedent("""
    import sys, velmar
    print("started", flush=True)
    try:
        velmar.uncertainty(sys.argv[1], {"Vs": "uniform(0.2,1)"}, 10**9, threads=2)
    except KeyboardInterrupt:
        print("interrupted", flush=True)
""")


def test_ctrl_c_stops_a_long_study_with_keyboard_interrupt():
    process = subprocess.Popen([sys.executable, "-c", LONG_STUDY, TYPICAL], stdout=subprocess.PIPE, text=True)
    assert process.stdout.readline() == "started\n"
    time.sleep(0.5)  # into the study
    process.send_signal(signal.SIGINT)
    out, _ = process.communicate(timeout=120)
    assert out == "interrupted\n"
    assert process.returncode == 0


def series_table(record_path, *arguments, summary_path):
    """The command's per-step table and summary for a record, as {column: [values]}."""
    steps = study_table("series", TYPICAL, str(record_path), "--summary", str(summary_path), *arguments)
    with open(summary_path) as f:
        rows = list(csv.reader(f))
    text = {"period", "constituent", "load_unit"}
    summary = {name: [row[c] if name in text else number(row[c]) if row[c] else math.nan for row in rows[1:]]
               for c, name in enumerate(rows[0])}
    return steps, summary


def assert_same_cells(got, expected):
    assert list(got) == list(expected)
    for name, values in expected.items():
        column = [x if isinstance(x, str) else float(x) for x in got[name]]
        assert len(column) == len(values), name
        assert all(same(a, b) for a, b in zip(column, values)), name


def test_series_gives_the_commands_steps_and_summary(tmp_path):
    import datetime
    days = [datetime.date(2023, 9, 25) + datetime.timedelta(days=d) for d in range(40)]
    flows = [100 + 80 * (d % 7 == 3) for d in range(40)]
    temperatures = [60 - d * 0.5 for d in range(40)]
    record = tmp_path / "record.csv"
    record.write_text("date,flow [L/s],temperature [F],TPinConc [ug/L]\n" + "".join(
        f"{day.isoformat()},{q},{t!r},{50 + q / 4!r}\n" for day, q, t in zip(days, flows, temperatures)))
    expected_steps, expected_summary = series_table(record, "--year-start", "10", "--limit", "TPoutConc=0.05",
                                                    summary_path=tmp_path / "summary.csv")
    table = {"date": days, "flow [L/s]": flows, "temperature [F]": temperatures,
             "TPinConc [ug/L]": [50 + q / 4 for q in flows]}
    got = velmar.series(TYPICAL, table, year_start=10, limits={"TPoutConc": 0.05}, threads=2)
    assert_same_cells(got["steps"], expected_steps)
    assert_same_cells(got["summary"], expected_summary)
    pandas = pytest.importorskip("pandas")
    frame = pandas.DataFrame(table)
    frame["date"] = pandas.to_datetime(frame["date"])
    from_frame = velmar.series(TYPICAL, frame, year_start=10, limits={"TPoutConc": 0.05})
    assert_same_cells(from_frame["summary"], expected_summary)


def test_series_refuses_a_bad_table_with_the_commands_message():
    with pytest.raises(ValueError, match=r"^table: row 3, column 2 \(flow\): the cell is empty$"):
        velmar.series(TYPICAL, {"date": ["2024-01-01", "2024-01-02"], "flow": [1, ""]})
    with pytest.raises(ValueError, match="column 'flow' has 1 values where 'date' has 2"):
        velmar.series(TYPICAL, {"date": ["2024-01-01", "2024-01-02"], "flow": [1]})
    with pytest.raises(KeyError, match="unknown unit 'gpm'"):
        velmar.series(TYPICAL, {"date": ["2024-01-01", "2024-01-02"], "flow [gpm]": [1, 2]})
