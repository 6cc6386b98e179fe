"""Nitrogen removal against the wetland's area, for the conventional example
project: a sweep of the area at the project's depth, drawn with matplotlib when it is
installed (saved as removal_against_area.png), printed as a table otherwise.

    python3 removal_against_area.py [PROJECT.inp]
"""
import os
import sys

import velmar

here = os.path.dirname(os.path.abspath(__file__))
project = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "conventional.inp")
sweep = velmar.sweep(project, {"area": (1e4, 1e7, 31)}, log=True)

try:
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
except ImportError:
    print("area (m2)   RE_TN (%)")
    for area, tn in zip(sweep["area"], sweep["RE_TN"]):
        print(f"{area:9.4g}   {tn:9.2f}")
    sys.exit()

figure, axes = plt.subplots(figsize=(6, 4))
axes.semilogx(sweep["area"], sweep["RE_TN"])
axes.set_xlabel("Wetland area (m²)")
axes.set_ylabel("Total nitrogen removal efficiency (%)")
axes.set_title(os.path.basename(project))
axes.grid(True, which="both", alpha=0.3)
figure.tight_layout()
figure.savefig("removal_against_area.png", dpi=120)
print("wrote removal_against_area.png")
