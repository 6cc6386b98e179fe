"""velmar.calibrate gives the numbers velmar-study calibrate writes for the same observations,
whether they come as a file, a dict of columns or a DataFrame."""
import csv
import warnings

import pytest
import velmar
from conftest import example, run_study, same, study_table

CONVENTIONAL = example("conventional.inp")
COLUMNS = {
    "date": ["2024-01-01", "2024-01-02", "2024-01-03", "2024-01-04"],
    "flow [L/s]": [300, 500, 800, 1100],
    "temperature": [8, 15, 24, 12],
    "BODoutConc": [14.5, 18.0, None, 22.5],
    "TSSoutConc": [55.0, float("nan"), 68.0, 70.5],
}
CASES = [
    # Python's arguments, the command's
    ({"fit": {"bod_decay_rate20": None, "theta_bod": (1, 1.2)}}, ["--fit", "bod_decay_rate20", "--fit", "theta_bod=1:1.2"]),
    ({"pkc": "BOD", "fit_cstar": True, "tanks": 3}, ["--pkc", "BOD", "--fit-cstar", "--tanks", "3"]),
    ({"fit": ["bod_decay_rate20"], "scale": "linear"}, ["--fit", "bod_decay_rate20", "--scale", "linear"]),
]


def observed_file(tmp_path):
    path = tmp_path / "observed.csv"
    with open(path, "w", newline="") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow(COLUMNS)
        for row in zip(*COLUMNS.values()):
            writer.writerow("" if x is None or x != x else x for x in row)
    return path


def observed_forms(path):
    forms = [str(path), path, COLUMNS]
    try:
        import pandas
    except ImportError:
        return forms
    return forms + [pandas.DataFrame(COLUMNS)]


@pytest.mark.parametrize("options, arguments", CASES)
def test_calibrate_equals_the_command(tmp_path, options, arguments):
    path = observed_file(tmp_path)
    table = study_table("calibrate", CONVENTIONAL, str(path), *arguments)
    for observed in observed_forms(path):
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", RuntimeWarning)
            got = velmar.calibrate(CONVENTIONAL, observed, **options)
        for i, kind in enumerate(table["kind"]):
            name = table["name"][i]
            if kind == "field":
                assert same(got["estimates"][name], table["estimate"][i])
                assert same(got["standard_errors"][name], table["standard_error"][i])
                assert got["intervals"][name] == (table["low95"][i], table["high95"][i])
            elif kind == "result":
                statistics = got["statistics"][name]
                assert [statistics[s] for s in ("n", "rmse", "bias", "nse")] == [
                    table[s][i] for s in ("n", "rmse", "bias", "nse")
                ]
            else:
                assert (got["evaluations"], got["runs"], got["stop"]) == (
                    table["evaluations"][i], table["runs"][i], table["stop"][i])


def test_fitted_project_holds_the_estimates_and_bad_input_raises_the_commands_message(tmp_path):
    path = observed_file(tmp_path)
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", RuntimeWarning)
        got = velmar.calibrate(CONVENTIONAL, path, fit={"bod_decay_rate20": None})
    assert got["project"]["bod_decay_rate20"] == got["estimates"]["bod_decay_rate20"]
    status, _, err = run_study("calibrate", CONVENTIONAL, str(path), "--fit", "TSS_removal_rate=0.1:10")
    assert status == 1
    with pytest.raises(ValueError) as raised:
        velmar.calibrate(CONVENTIONAL, path, fit={"TSS_removal_rate": (0.1, 10)})
    assert str(raised.value) in err
