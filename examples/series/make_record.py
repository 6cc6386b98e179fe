"""Writes record.csv: five water years of daily flow, temperature and inflow concentrations
for the example wetland, made up to look like a small catchment's record.

- Temperature follows the seasons: 15 C on average, 10 C either side, warmest in late July,
  with a day-to-day wobble of 1 C.
- Flow is a base flow that is higher in winter, plus storms: on about one day in twelve a storm
  adds a peak (exponentially distributed, 1 m3/s on average) that recedes by half each day.
- Suspended solids and phosphorus rise with flow, as storm runoff washes them in: TSS as the
  flow to the power 0.8 from 20 mg/L at base flow, TP as the power 0.4 from 0.1 mg/L.

The random numbers come from a fixed seed, so the file is the same every time it is made:
    python3 make_record.py > record.csv
"""
import datetime
import math
import random

SEED = 2024
FIRST_DAY = datetime.date(2019, 10, 1)
DAYS = 1827  # 2019-10-01 to 2024-09-30
STORM_CHANCE = 1 / 12
MEAN_PEAK = 1.0       # m3/s
RECESSION = 0.5       # the share of a storm's flow left the next day


def main():
    rng = random.Random(SEED)
    storm = 0.0
    print("date,flow [m3/s],temperature [C],TSSinConc [mg/L],TPinConc [mg/L]")
    for d in range(DAYS):
        day = FIRST_DAY + datetime.timedelta(days=d)
        season = math.cos(2 * math.pi * (day.timetuple().tm_yday - 205) / 365.25)  # 1 in late July
        temperature = 15 + 10 * season + rng.gauss(0, 1)
        base = 0.4 - 0.15 * season
        storm *= RECESSION
        if rng.random() < STORM_CHANCE:
            storm += rng.expovariate(1 / MEAN_PEAK)
        flow = base + storm
        tss = 20 * (flow / base) ** 0.8
        tp = 0.1 * (flow / base) ** 0.4
        print(f"{day.isoformat()},{flow:.4g},{temperature:.3g},{tss:.4g},{tp:.4g}")


if __name__ == "__main__":
    main()
