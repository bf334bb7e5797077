"""Objects added through tarnex-host come back from its dump as they went in:
each file of round_trip/ (a vCard, a vCalendar event and to-do, a vNote and a
vMessage for Outlook, a vMessage for Eudora, which sends from the user's
return address, dated when queued), named PIM.STORE..., is added to an empty
simulated PIM and read back, line for line.

    round_trip.py TARNEX_HOST WORK_DIR
"""
import os
import subprocess
import sys

host, work = sys.argv[1], sys.argv[2]
objects = os.path.join(os.path.dirname(os.path.abspath(__file__)), "round_trip")
os.makedirs(work, exist_ok=True)
state = os.path.join(work, "empty_pim.json")
with open(state, "w", encoding="utf-8") as f:
    # The clocks date the new note and the queued Eudora message.
    f.write('{"outlook": {"now": "2001-03-26T10:00:00"},'
            ' "eudora": {"queueDate": "Mon, 26 Mar 2001 10:00:00 +0200"}}')

failures = 0
for name in sorted(os.listdir(objects)):
    pim, store = name.split(".")[:2]
    sent = open(os.path.join(objects, name), encoding="utf-8").read().splitlines()
    path = os.path.join(work, name)  # as a host sends it, with CR LF
    with open(path, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(sent) + "\n")
    run = subprocess.run([host, "--pim", pim, "--state", state, "add", store, path, "dump", store],
                         capture_output=True, encoding="utf-8")
    got = [line for line in run.stdout.splitlines() if not line.startswith(("added ", "queued", "X-IRMC-LUID:"))]
    if run.returncode != 0 or got != sent:
        failures += 1
        print(f"{name} came back otherwise (exit {run.returncode}):\n{run.stderr}")
        for a, b in zip(sent + [""] * 50, got + [""] * 50):
            if a != b:
                print(f"  sent {a!r}\n  got  {b!r}")
print(f"{len(os.listdir(objects)) - failures} of {len(os.listdir(objects))} objects came back as they went in")
sys.exit(1 if failures else 0)
