"""What the Python module's tests share: the example projects, and velmar-study and the
front end's saving run as programs, to compare with."""
import csv
import io
import math
import os
import subprocess

import pytest

EXAMPLES = os.environ["VELMAR_EXAMPLES"]
STUDY = os.environ["VELMAR_STUDY"]
FRONT_END_SAVE = os.environ["VELMAR_FRONT_END_SAVE"]
EXAMPLE_NAMES = ["typical.inp", "conventional.inp", "tp_new_wetland.inp",
                 "organics_half_life.inp", "organics_metals.inp"]


def example(name):
    return os.path.join(EXAMPLES, name)


def run_study(*arguments):
    """velmar-study with these arguments: (status, standard output, standard error)."""
    done = subprocess.run([STUDY, *arguments], capture_output=True, text=True, check=False)
    return done.returncode, done.stdout, done.stderr


def study_table(*arguments):
    """The CSV velmar-study writes, as {column: [values]}, numbers read back exactly."""
    status, out, err = run_study(*arguments)
    assert status == 0, err
    rows = list(csv.reader(io.StringIO(out)))
    columns = {name: [] for name in rows[0]}
    for row in rows[1:]:
        for name, cell in zip(rows[0], row):
            columns[name].append(cell)
    return {name: [number(cell) for cell in cells] for name, cells in columns.items()}


def number(cell):
    try:
        return float(cell)
    except ValueError:
        return cell


def same(a, b):
    """Equal to the last bit, not-a-number equal to itself."""
    return a == b or (isinstance(a, float) and isinstance(b, float) and math.isnan(a) and math.isnan(b))


def assert_same_columns(got, expected):
    assert list(got) == list(expected)
    for name, values in expected.items():
        column = [float(x) for x in got[name]]
        assert len(column) == len(values), name
        mismatched = [i for i, (a, b) in enumerate(zip(column, values)) if not same(a, b)]
        assert not mismatched, f"{name} differs at rows {mismatched[:5]}"


@pytest.fixture
def typical():
    import velmar
    return velmar.Project.read(example("typical.inp"))
