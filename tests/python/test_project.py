"""A project in Python: read, its fields by record name, derived values, saving as the front
end saves, and runs equal to velmar-study's."""
import subprocess
import warnings

import pytest
import velmar
from conftest import EXAMPLE_NAMES, FRONT_END_SAVE, example, same, study_table


@pytest.mark.parametrize("name", EXAMPLE_NAMES)
def test_run_gives_the_results_of_velmar_study_run(name):
    expected = study_table("run", example(name))
    results = velmar.Project.read(example(name)).run()
    assert len(results) == 95
    assert list(results) == list(expected)[7:]
    for key in results:
        assert same(results[key], expected[key][0]), key


def test_run_many_gives_each_projects_results_in_order(typical):
    deeper = typical.copy()
    deeper["depth"] = 0.8
    projects = [example(n) for n in EXAMPLE_NAMES] + [deeper]
    many = velmar.run_many(projects, threads=2)
    assert many == [velmar.Project.read(p).run() for p in projects[:-1]] + [deeper.run()]


FIELDS = [
    # name as given, value to set, field read back, value read back
    ("Ktn", 0.31, "Ktn_temp", 0.31),                       # working copy follows
    ("Kds[1]", 12.5, "Kds_temp[1]", 12.5),                 # an array element
    ("TSS_removal_rate", 2.0, "TSS removal rate", 2.0),    # blanks as underscores
    ("model_n", 1, "model_n_temp", 1),                     # a whole-number field
    ("model_n", 0.0, "model_n", 0),                        # a number without a fraction
]


@pytest.mark.parametrize("name, value, read_as, expected", FIELDS)
def test_fields_by_record_name(typical, name, value, read_as, expected):
    typical[name] = value
    got = typical[read_as]
    assert got == expected and type(got) is type(expected)
    assert name in typical and read_as in typical
    assert "Ktm" not in typical and "HMName1" not in typical


# The typical wetland: 10 ha, 0.5 m deep, 2000 m long (its length chosen) and so 50 m wide,
# 0.5 m^3/s fully mixed.
DERIVED = [
    # field, value, values that follow (worked by hand)
    ("depth", 1.0, {"volume": 100000.0, "area": 100000.0, "detention_time": 2.31,
                    "mean_velocity": 0.01, "mean_vel_cms": 1.0}),
    # twice the area at the same depth and shape (L/W = 40): each side sqrt(2) times as long
    ("area", 200000.0, {"volume": 100000.0, "depth": 0.5, "length": 2000 * 2 ** 0.5,
                        "width": 50 * 2 ** 0.5, "detention_time": 2.31, "mean_velocity": 0.0141}),
    # dimensions the project did not choose: the depth and length stay, the rest follow
    ("volume", 150000.0, {"area": 300000.0, "depth": 0.5, "width": 150.0, "detention_time": 3.47}),
    ("width", 80.0, {"length": 1250.0, "area": 100000.0, "volume": 50000.0}),
    ("flow", 1.0, {"volume": 50000.0, "detention_time": 0.58, "mean_vel_cms": 4.0}),
]


@pytest.mark.parametrize("field, value, follows", DERIVED)
def test_a_changed_dimension_or_flow_brings_what_the_system_screens_derive(typical, field, value, follows):
    typical[field] = value
    for name, expected in follows.items():
        assert typical[name] == pytest.approx(expected, rel=1e-12), name


def test_a_changed_depth_runs_as_the_same_wetland_saved_by_the_front_end(typical, tmp_path):
    saved = tmp_path / "deep.inp"
    subprocess.run([FRONT_END_SAVE, example("typical.inp"), saved, "depth"], check=True)
    typical["depth"] = 1
    expected = study_table("run", str(saved))
    got = typical.run()
    for key in got:
        assert got[key] == pytest.approx(expected[key][0], rel=1e-9, nan_ok=True), key


def test_a_copy_is_independent(typical):
    copy = typical.copy()
    copy["Ktn"] = 0.9
    assert typical["Ktn"] == 0.05
    assert copy.path == typical.path


def test_saved_as_the_front_end_saves_the_same_values_byte_for_byte(typical, tmp_path):
    front_end = tmp_path / "front_end.inp"
    subprocess.run([FRONT_END_SAVE, example("typical.inp"), front_end, "fields"], check=True)
    typical["Ktn"] = 0.31
    typical["Kds[1]"] = 12.5
    typical["model_n"] = 1
    mine = tmp_path / "python.inp"
    typical.save(mine)
    assert mine.read_bytes() == front_end.read_bytes()
    assert typical.path == str(mine)
    # the front end opens it and saves it again unchanged
    again = tmp_path / "again.inp"
    subprocess.run([FRONT_END_SAVE, mine, again, "as_is"], check=True)
    assert again.read_bytes() == mine.read_bytes()
    # and the engine, reading it back, runs the project as it stood
    expected = study_table("run", str(mine))
    results = typical.run()
    assert all(same(results[key], expected[key][0]) for key in results)


def test_an_unconverged_phosphorus_solution_gives_nan_and_a_warning(typical):
    typical["Vs"] = 2.05
    typical["depth"] = 0.4
    with pytest.warns(RuntimeWarning) as caught:
        results = typical.run()
    assert str(caught[0].message) == (f"the phosphorus solution did not converge in {typical.path}; "
                                      "its TP results are given as nan")
    assert results["RE_TP"] != results["RE_TP"] and results["TPoutConc"] != results["TPoutConc"]
    assert results["RE_TSS"] == results["RE_TSS"]
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        with pytest.raises(RuntimeWarning):
            typical.run()
