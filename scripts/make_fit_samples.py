#!/usr/bin/env python3
"""Writes the raw data samples of the fitting tests (tests/data/rawdata), each drawn with a fixed seed."""
import os
import random

OUT = os.path.join(os.path.dirname(__file__), "..", "tests", "data", "rawdata")
COUNT = 3000

SAMPLES = {
    "normal_mu50_sigma5.txt": (11, lambda r: r.gauss(50.0, 5.0)),
    "lognormal_mu3_sigma0.35.txt": (12, lambda r: r.lognormvariate(3.0, 0.35)),
    "weibull_k2.5_lambda30.txt": (13, lambda r: r.weibullvariate(30.0, 2.5)),
    "gamma_k4_theta5.txt": (14, lambda r: r.gammavariate(4.0, 5.0)),
}

os.makedirs(OUT, exist_ok=True)
for name, (seed, draw) in SAMPLES.items():
    r = random.Random(seed)
    with open(os.path.join(OUT, name), "w", newline="") as f:
        for _ in range(COUNT):
            f.write("%.6f\r\n" % draw(r))
