#!/usr/bin/env python3
"""Runs a fuzzer for a bounded time; what it learns goes to a scratch folder, so the committed
seeds stay as they are. Any finding fails.
   run_fuzzer.py FUZZER SEEDS SECONDS [RANDOM_SEED]"""
import shutil
import subprocess
import sys
import tempfile


def main():
    fuzzer, seeds, seconds = sys.argv[1], sys.argv[2], sys.argv[3]
    replay = [f"-seed={sys.argv[4]}"] if len(sys.argv) > 4 else []
    work = tempfile.mkdtemp(prefix="kelo-fuzz-")
    try:
        run = subprocess.run([fuzzer, f"-max_total_time={seconds}", "-print_final_stats=1", "-timeout=10",
                              *replay, f"-artifact_prefix={work}/", work, seeds], capture_output=True, text=True)
        stats = [line for line in run.stderr.splitlines() if line.startswith(("stat::", "INFO: Seed:"))]
        print("\n".join(stats))
        if run.returncode != 0:
            print(run.stderr[-6000:])
            print(f"kelo-fuzz found a failure (exit status {run.returncode})")
        return run.returncode
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
