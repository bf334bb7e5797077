"""Objects added through tarnex-host come back from its dump as they went in:
a vCard, a vCalendar event and to-do, a vNote and a vMessage, each added to
an empty simulated Outlook and read back, value for value; and a vMessage
queued in an empty Eudora.

    round_trip.py TARNEX_HOST WORK_DIR
"""
import os
import subprocess
import sys

host, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
state = os.path.join(work, "empty_pim.json")
with open(state, "w", encoding="utf-8") as f:
    # The clocks date the new note and the queued Eudora message.
    f.write('{"outlook": {"now": "2001-03-26T10:00:00"},'
            ' "eudora": {"queueDate": "Mon, 26 Mar 2001 10:00:00 +0200"}}')

CASES = [
    ("outlook", "contacts", """BEGIN:VCARD
VERSION:2.1
N;CHARSET=UTF-8:Ølsen;Åse;K.;Ms.;PhD
FN;CHARSET=UTF-8:Ølsen, Åse
BDAY:19750602
ADR;HOME;POSTAL:;;5 Elm St;Ottawa;ON;K1A 0B1;Canada
ADR;WORK:PO 9;Hangar 2;1 Airport Rd;Ottawa;ON;K1V 9B4;Canada
ORG:Contoso;Flight Ops
TITLE:Pilot
TEL;HOME;VOICE:+1 613 555 0101
TEL;WORK;VOICE:+1 613 555 0102
TEL;WORK;FAX:+1 613 555 0103
TEL;CELL:+1 613 555 0104
TEL;ISDN:+1 613 555 0105
URL:http://ase.example/
EMAIL;INTERNET;PREF:ase@contoso.example
EMAIL;INTERNET:ase@home.example
END:VCARD
"""),
    ("outlook", "calendar", """BEGIN:VCALENDAR
VERSION:1.0
BEGIN:VEVENT
SUMMARY;CHARSET=UTF-8:Café planning\\; round 2
DTSTART:20010325T013000
DTEND:20010325T040000
PRIORITY:1
LOCATION:Room 2\\; east wing
DESCRIPTION;ENCODING=QUOTED-PRINTABLE:Across the change to summer time=0D=0A=
Bring: agenda\\; slides
END:VEVENT
END:VCALENDAR
"""),
    ("outlook", "calendar", """BEGIN:VCALENDAR
VERSION:1.0
BEGIN:VTODO
SUMMARY:Renew the lease
DTSTART:20010320T000000
DUE:20010326T000000
COMPLETED:20010325
STATUS:COMPLETED
PRIORITY:2
DESCRIPTION:Signed copy to the landlord
END:VTODO
END:VCALENDAR
"""),
    ("outlook", "notes", """BEGIN:VNOTE
VERSION:1.1
SUMMARY:Shopping list
BODY;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Shopping list=0D=0A=
Milk\\; eggs=0D=0A=
Brötchen
DCREATED:20010326T100000
LAST-MODIFIED:20010326T100000
END:VNOTE
"""),
    ("outlook", "outbox", """BEGIN:VMSG
VERSION:1.1
X-IRMC-STATUS:UNREAD
X-IRMC-TYPE:MSG
X-IRMC-BOX:OUTBOX
BEGIN:VCARD
VERSION:2.1
N:User
END:VCARD
BEGIN:VENV
BEGIN:VCARD
VERSION:2.1
N:Anna Berg
END:VCARD
BEGIN:VCARD
VERSION:2.1
N:Mei Tanaka
END:VCARD
BEGIN:VENV
BEGIN:VBODY
From: User
To: Anna Berg; Mei Tanaka
Cc: Carlos Domínguez
Subject: Tickets; Sunday

Two tickets for Sunday.
A message I got on the phone:
/END:VBODY
  indented; with \\ and ;
END:VBODY
END:VENV
END:VENV
END:VMSG
"""),
    # Eudora sends from the user's return address, dated when queued.
    ("eudora", "outbox", """BEGIN:VMSG
VERSION:1.1
X-IRMC-STATUS:READ
X-IRMC-TYPE:MSG
X-IRMC-BOX:OUTBOX
BEGIN:VCARD
VERSION:2.1
N:user@example.com
END:VCARD
BEGIN:VENV
BEGIN:VCARD
VERSION:2.1
N:anna.berg@example.com
END:VCARD
BEGIN:VENV
BEGIN:VBODY
Date: Mon, 26 Mar 2001 10:00:00 +0200
From: user@example.com
To: anna.berg@example.com
Cc: mei@example.org
Subject: Grüße

Bis Sonntag!
END:VBODY
END:VENV
END:VENV
END:VMSG
"""),
]

failures = 0
for number, (pim, store, text) in enumerate(CASES):
    path = os.path.join(work, f"object{number}.vobj")
    with open(path, "w", encoding="utf-8", newline="\r\n") as f:
        f.write(text)
    run = subprocess.run([host, "--pim", pim, "--state", state, "add", store, path, "dump", store],
                         capture_output=True, encoding="utf-8")
    got = [line for line in run.stdout.splitlines()
           if not line.startswith(("added ", "queued", "X-IRMC-LUID:"))]
    if run.returncode != 0 or got != text.splitlines():
        failures += 1
        print(f"{store} object {number} came back otherwise (exit {run.returncode}):\n{run.stderr}")
        for a, b in zip(text.splitlines() + [""] * 50, got + [""] * 50):
            if a != b:
                print(f"  sent {a!r}\n  got  {b!r}")
sys.exit(1 if failures else 0)
