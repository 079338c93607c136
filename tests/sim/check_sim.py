#!/usr/bin/env python3
"""Runs a kelo-sim script and checks its expectations.

In the script, `#expect EXPR` is a Python expression over the latest dump before it: `d` is the
whole dump, `c` its controls, and helpers `cars(c)`, `near(a, b, tol)` are at hand.
`#exit N` expects that exit status, `#stderr TEXT` that text on standard error."""
import json
import subprocess
import sys


def cars(c):
    return [i for i in range(10) if c[f"mobil({i}).Visible"]]


def near(a, b, tolerance=1.0):
    return abs(a - b) <= tolerance


def main():
    sim, script_path = sys.argv[1], sys.argv[2]
    with open(script_path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    run = subprocess.run([sim], input="\n".join(lines) + "\n", capture_output=True, text=True, timeout=120)
    dumps = [json.loads(line) for line in run.stdout.splitlines()]
    expected_exit, failures, dump_index, checks = 0, [], -1, 0
    for number, line in enumerate(lines, 1):
        text = line.strip()
        if text == "dump":
            dump_index += 1
        elif text.startswith("#exit "):
            expected_exit = int(text[6:])
        elif text.startswith("#stderr "):
            checks += 1
            if text[8:] not in run.stderr:
                failures.append(f"line {number}: stderr lacks {text[8:]!r}: {run.stderr!r}")
        elif text.startswith("#expect "):
            checks += 1
            if dump_index < 0 or dump_index >= len(dumps):
                failures.append(f"line {number}: no dump to check")
                continue
            d = dumps[dump_index]
            scope = {"d": d, "c": d["controls"], "cars": cars, "near": near}
            try:
                ok = eval(text[8:], scope)  # the scripts are ours, in this repository
            except Exception as error:  # report the broken expectation, go on with the rest
                ok, text = False, f"{text}  ({type(error).__name__}: {error})"
            if not ok:
                failures.append(f"line {number}: {text}")
    if run.returncode != expected_exit:
        failures.append(f"exit status {run.returncode}, expected {expected_exit}; stderr: {run.stderr}")
    if checks == 0:
        failures.append("the script checks nothing")
    for failure in failures:
        print(f"{script_path}: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
