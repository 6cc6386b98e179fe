"""Makes observed.csv: a year of fortnightly samples from the wetland of conventional.inp, whose
BOD decays at 0.3 /day at 20 Deg. C with a temperature factor of 1.06 (the "true" values a fit
should find), at flows and temperatures that vary with the season, and with the outflow of each
sample multiplied by a random factor exp(0.1 z), z standard normal (a measurement scatter of
about 10 %), from a fixed seed so that the file is the same every time.

    PYTHONPATH=build/python python3 examples/calibration/make_observations.py

then fit the two values back, with their 95 % intervals:

    velmar-study calibrate examples/conventional.inp examples/calibration/observed.csv \\
        --fit bod_decay_rate20 --fit theta_bod=1:1.2 --format table
"""
import datetime
import math
import pathlib
import random

import velmar

HERE = pathlib.Path(__file__).resolve().parent
TRUE_RATE, TRUE_THETA = 0.3, 1.06  # /day at 20 Deg. C, and its temperature factor
SCATTER = 0.1  # standard deviation of the log of the measurement factor
SEED = 34


def main():
    project = velmar.Project.read(HERE.parent / "conventional.inp")
    project["bod_decay_rate20"] = TRUE_RATE
    project["theta_bod"] = TRUE_THETA
    draw = random.Random(SEED)
    start = datetime.date(2024, 1, 3)
    lines = ["date,flow [m3/d],temperature [C],BODoutConc"]
    for sample in range(26):
        day = start + datetime.timedelta(days=14 * sample)
        season = math.cos(2 * math.pi * (day.timetuple().tm_yday - 200) / 365)
        # As written to the file, so that the model runs at the conditions the file gives.
        flow = round(43200 * (1 - 0.4 * season) * (1 + 0.2 * draw.uniform(-1, 1)))  # m3/d, wet winters
        temperature = round(14 + 9 * season, 1)
        sampled = project.copy()
        sampled["flow"] = flow / 86400
        sampled["temperature"] = temperature
        results = sampled.run()
        outflow = sampled["BODinConc"] * (1 - results["RE_BOD"] / 100)
        observed = outflow * math.exp(SCATTER * draw.gauss(0, 1))
        lines.append(f"{day},{flow},{temperature},{observed:.2f}")
    (HERE / "observed.csv").write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
