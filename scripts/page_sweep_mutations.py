#!/usr/bin/env python3
"""Mutation run of the page sweep: hostile variants of a seed project, each swept in its own process.

    python3 scripts/page_sweep_mutations.py --sweep build/tests/pelandrix-page-sweep \
        --count 2000 --jobs 3 --out /tmp/mutations [--seed-file rich.pelx] [--timeout 60]

Without --seed-file the sweep program writes the rich project first. Each mutation changes one
thing: a number becomes -1, 0, 2147483647, 2147483648, 99999999999, "abc" or empty; an element or
attribute is deleted or duplicated; an index is moved past its list; a tag use names a missing
service or entry; a name becomes 10,000 characters long. The counts are printed at the end and the
files of every outcome other than fine or refused are kept in the output folder.
"""
import argparse
import collections
import concurrent.futures
import os
import random
import re
import shutil
import subprocess
import sys

NUMBERS = ["-1", "0", "2147483647", "2147483648", "99999999999", "abc", ""]
RESULT = re.compile(rb'Result="([^"]*)"')
ELEMENT = re.compile(rb'^(\s*)<([A-Za-z_][\w]*)[ >/].*$', re.M)
RELATED_INDEX = re.compile(rb'(<(?:Item|Set)_\d+>\s*<RTUService Result=")(\d+)("\s*/>\s*<Index Result=")(-?\d+)(")')
INDEX = re.compile(rb'(<Index Result=")(-?\d+)(")')


def replace_span(text, start, end, value):
    return text[:start] + value + text[end:]


def number_results(text):
    return [m for m in RESULT.finditer(text) if re.fullmatch(rb"-?\d+(\.\d+)?", m.group(1))]


def mutate_number(text, rng):
    m = rng.choice(number_results(text))
    value = rng.choice(NUMBERS).encode()
    return replace_span(text, m.start(1), m.end(1), value), "number %s -> %s" % (m.group(1).decode(), value.decode())


def whole_element(text, m):
    """The span of the element starting at the match: self-closing or up to its closing tag."""
    name = m.group(2)
    line_end = text.find(b"\n", m.start())
    line_end = len(text) if line_end < 0 else line_end
    if text[m.start():line_end].rstrip().endswith(b"/>"):
        return m.start(), line_end + 1
    close = text.find(b"</" + name + b">", m.start())
    if close < 0:
        return None
    end = text.find(b"\n", close)
    return m.start(), (len(text) if end < 0 else end + 1)


def mutate_element(text, rng):
    for _ in range(20):
        m = rng.choice(list(ELEMENT.finditer(text)))
        span = whole_element(text, m)
        if span and span[0] > 0:
            break
    start, end = span
    if rng.random() < 0.5:
        return text[:start] + text[end:], "element %s deleted" % m.group(2).decode()
    return text[:end] + text[start:end] + text[end:], "element %s duplicated" % m.group(2).decode()


def mutate_attribute(text, rng):
    m = rng.choice(list(RESULT.finditer(text)))
    if rng.random() < 0.5:
        return replace_span(text, m.start() - 1, m.end(), b""), "attribute deleted"
    return replace_span(text, m.start(), m.end(), m.group(0) + b" " + m.group(0)), "attribute duplicated"


def mutate_index(text, rng):
    matches = list(INDEX.finditer(text))
    m = rng.choice(matches)
    value = str(rng.choice([int(m.group(2)) + 1000, len(matches) + 1, 65536, 2147483647])).encode()
    return replace_span(text, m.start(2), m.end(2), value), "index %s -> %s" % (m.group(2).decode(), value.decode())


def mutate_use(text, rng):
    matches = list(RELATED_INDEX.finditer(text))
    if not matches:
        return mutate_index(text, rng)
    m = rng.choice(matches)
    if rng.random() < 0.5:
        service = str(rng.choice([0, 1, 104, 999, 4294967295])).encode()
        return replace_span(text, m.start(2), m.end(2), service), "use names service %s" % service.decode()
    item = str(rng.choice([-1, 99, 4294967295, 2147483647])).encode()
    return replace_span(text, m.start(4), m.end(4), item), "use names item %s" % item.decode()


def mutate_name(text, rng):
    texts = [m for m in RESULT.finditer(text) if re.search(rb"[A-Za-z]", m.group(1))]
    m = rng.choice(texts)
    return replace_span(text, m.start(1), m.end(1), b"N" * 10000), "text %s made long" % m.group(1)[:20].decode("utf-8", "replace")


MUTATIONS = [(mutate_number, 5), (mutate_element, 2), (mutate_attribute, 1), (mutate_index, 1), (mutate_use, 2),
             (mutate_name, 1)]


def mutate(text, rng):
    choice = rng.choices([m for m, _ in MUTATIONS], weights=[w for _, w in MUTATIONS])[0]
    return choice(text, rng)


def classify(proc_result, timed_out):
    if timed_out:
        return "hang"
    out, err, code = proc_result
    if b"ERROR: AddressSanitizer" in err or b"ERROR: LeakSanitizer" in err or b"runtime error:" in err:
        return "sanitizer"
    first = out.split(b" ", 1)[0].strip()
    if code < 0 or not first:
        return "crash"
    return first.decode()


def run_one(sweep, path, work, timeout):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    try:
        proc = subprocess.run([sweep, path, work], capture_output=True, timeout=timeout, env=env)
        return classify((proc.stdout, proc.stderr, proc.returncode), False), proc.stderr[-4000:]
    except subprocess.TimeoutExpired:
        return "hang", b""
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sweep", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--jobs", type=int, default=3)
    parser.add_argument("--timeout", type=int, default=60)
    parser.add_argument("--seed", type=int, default=33)
    parser.add_argument("--seed-file")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    seed_file = args.seed_file or os.path.join(args.out, "rich.pelx")
    if not args.seed_file:
        subprocess.run([args.sweep, "--write-rich", seed_file], check=True)
    with open(seed_file, "rb") as f:
        seed_text = f.read()
    counts = collections.Counter()
    log = open(os.path.join(args.out, "mutations.log"), "w")

    def job(n):
        text, what = mutate(seed_text, random.Random(args.seed * 100003 + n))
        path = os.path.join(args.out, "m%04d.pelx" % n)
        with open(path, "wb") as f:
            f.write(text)
        outcome, err = run_one(args.sweep, path, path + ".work", args.timeout)
        if outcome in ("fine", "refused"):
            os.remove(path)
        else:
            with open(path + ".err", "wb") as f:
                f.write(err)
        return n, what, outcome

    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for n, what, outcome in pool.map(job, range(args.count)):
            counts[outcome] += 1
            log.write("%04d %-15s %s\n" % (n, outcome, what))
            log.flush()
            if (n + 1) % 100 == 0:
                print("%d tried: %s" % (n + 1, dict(counts)), flush=True)
    print("tried %d" % args.count)
    for outcome in ("fine", "refused", "crash", "sanitizer", "hang", "reopen-failed", "save-failed", "non-idempotent"):
        print("%-15s %d" % (outcome, counts.get(outcome, 0)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
