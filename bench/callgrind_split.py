#!/usr/bin/env python3
"""Splits a callgrind profile of one export call into the parts of the work.

    callgrind_split.py PROFILE RECORDS

Every function is placed by the file it is defined in: the simulated
servers (simpim/), the automation layer (src/automation/: invocation,
variants, code pages; on Linux the in-process backend), and the rest of the
library (src/). Code of the C and C++ runtimes (malloc, free, memcpy, the
string and container templates, inlined or not) is charged to the function
that called it, as "alloc/string" work of that function's part. The shared
automation code the servers also use counts as automation layer whoever
calls it, which overstates that part a little.

Prints the instructions per record of each part and the heap allocations
(malloc, calloc, realloc) per record, in total and caused by the library
and the automation layer.
"""

import re
import sys
from collections import defaultdict

ALLOCATORS = {"malloc", "calloc", "realloc", "aligned_alloc", "posix_memalign", "memalign"}
PARTS = ("library", "automation", "server")


def part_of(path):
    """The part a source file belongs to, or None for runtime code."""
    if "/simpim/" in path:
        return "server"
    if "/src/automation/" in path:
        return "automation"
    if "/src/" in path or "/include/tarnex/" in path:
        return "library"
    if "/bench/" in path or "/tests/" in path or "/tools/" in path:
        return "harness"
    return None


class Profile:
    def __init__(self, path):
        self.names = {}  # ("fn" | "fl" | "ob", id) -> text
        self.home = {}  # function key -> file it is defined in
        self.object = {}  # function key -> object file
        self.own = defaultdict(lambda: defaultdict(int))  # key -> part or None -> Ir
        self.edges = defaultdict(lambda: [0, 0])  # (caller, callee) -> [calls, inclusive Ir]
        self.total = 0
        self._read(path)

    def _name(self, kind, text):
        m = re.match(r"\((\d+)\)(?: (.*))?$", text)
        if not m:
            return text
        key = (kind, m.group(1))
        if m.group(2) is not None:
            self.names[key] = m.group(2)
        return self.names.get(key, text)

    def _read(self, path):
        ob = fl = cost_file = fn = None
        cob = cfl = cfn = None
        pending_call = None
        with open(path, encoding="utf-8", errors="replace") as f:
            for raw in f:
                line = raw.rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                c = line[0]
                if c.isdigit() or c in "+-*":
                    parts = line.split()
                    ir = int(parts[1]) if len(parts) > 1 else 0
                    if pending_call is not None:
                        edge = self.edges[(fn, pending_call)]
                        edge[1] += ir
                        pending_call = None
                    else:
                        self.own[fn][part_of(cost_file)] += ir
                    continue
                if line.startswith(("summary:", "totals:")):
                    self.total = max(self.total, int(line.split()[1]))
                    continue
                key, _, value = line.partition("=")
                if key == "ob":
                    ob = self._name("ob", value)
                elif key == "fl":
                    fl = cost_file = self._name("fl", value)
                elif key in ("fi", "fe"):
                    cost_file = self._name("fl", value)
                elif key == "fn":
                    fn = (ob, self._name("fn", value))
                    self.home.setdefault(fn, fl)
                    self.object[fn] = ob
                    cost_file = fl
                elif key == "cob":
                    cob = self._name("ob", value)
                elif key in ("cfi", "cfl"):
                    cfl = self._name("fl", value)
                elif key == "cfn":
                    cfn = self._name("fn", value)
                elif key == "calls":
                    callee = (cob if cob is not None else ob, cfn)
                    if cfl is not None:
                        self.home.setdefault(callee, cfl)
                    self.edges[(fn, callee)][0] += int(value.split()[0])
                    pending_call = callee
                    cob = cfl = None

    def part(self, fn):
        home = self.home.get(fn) or ""
        obj = self.object.get(fn) or fn[0] or ""
        if "/work/" not in obj and not obj.endswith(("_probe", "_bench", "_tests")):
            # A shared library of the system: runtime code.
            if "tarnex" not in obj:
                return None
        return part_of(home)


def split(profile):
    callees = defaultdict(list)
    callers_calls = defaultdict(int)
    callers_ir = defaultdict(int)
    for (caller, callee), (calls, ir) in profile.edges.items():
        callees[caller].append((callee, calls, ir))
        callers_calls[callee] += calls
        callers_ir[callee] += ir

    memo = {}

    def runtime_share(fn, active=frozenset()):
        """For runtime code fn: (share of its inclusive Ir spent in runtime
        code, heap allocations per call), not counting calls back into
        library or server code."""
        if fn in memo:
            return memo[fn]
        if fn[1] in ALLOCATORS:
            return (1.0, 1.0)
        if fn in active:
            return (1.0, 0.0)
        active = active | {fn}
        reentered = 0.0
        allocations = 0.0
        for callee, calls, ir in callees[fn]:
            if profile.part(callee) is not None:
                reentered += ir
                continue
            share, per_call = runtime_share(callee, active)
            reentered += ir * (1.0 - share)
            allocations += calls * per_call
        inclusive = callers_ir[fn] or 1
        result = (max(0.0, 1.0 - reentered / inclusive), allocations / (callers_calls[fn] or 1))
        memo[fn] = result
        return result

    own = defaultdict(float)
    runtime = defaultdict(float)
    allocations = defaultdict(float)
    for fn, by_file in profile.own.items():
        part = profile.part(fn)
        if part is None:
            continue  # charged to its callers below
        for file_part, ir in by_file.items():
            if file_part is None:
                runtime[part] += ir  # runtime templates inlined here
            else:
                own[part] += ir
        for callee, calls, ir in callees[fn]:
            if profile.part(callee) is not None:
                continue
            share, per_call = runtime_share(callee)
            runtime[part] += ir * share
            allocations[part] += calls * per_call
    return own, runtime, allocations


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    profile = Profile(sys.argv[1])
    records = int(sys.argv[2])
    own, runtime, allocations = split(profile)

    def per(value):
        return value / records

    library = own["library"]
    library_alloc = runtime["library"]
    automation = own["automation"] + runtime["automation"]
    server = own["server"] + runtime["server"]
    ours = library + library_alloc + automation
    accounted = ours + server + own["harness"] + runtime["harness"]
    print(
        "  per record: library %.1fk + alloc/string %.1fk + automation %.1fk = %.1fk;"
        " server %.1fk; ours/server %.1f%%"
        % (
            per(library) / 1e3,
            per(library_alloc) / 1e3,
            per(automation) / 1e3,
            per(ours) / 1e3,
            per(server) / 1e3,
            100.0 * ours / server if server else 0.0,
        )
    )
    print(
        "  heap allocations per record: %.1f by library and automation, %.1f in all;"
        " unplaced %.1fk Ir/record"
        % (
            per(allocations["library"] + allocations["automation"]),
            per(sum(allocations.values())),
            per(profile.total - accounted) / 1e3,
        )
    )


if __name__ == "__main__":
    main()
