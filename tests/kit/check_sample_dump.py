"""Debian's python3-vobject reads tarnex-host's dump of the bundled sample PIM:
every vCard and vCalendar object parses, and the names, addresses, numbers,
e-mail addresses, summaries, places and dates it reads equal the sample's.

    check_sample_dump.py TARNEX_HOST SAMPLE_JSON
"""
import datetime
import json
import subprocess
import sys

import vobject
import vobject.vcard
from vobject.icalendar import stringToDate, stringToDateTime, stringToTextValues

host, sample_path = sys.argv[1], sys.argv[2]
sample = json.load(open(sample_path, encoding="utf-8"))["outlook"]["folders"]
failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: read {got!r}, the sample has {wanted!r}")


def decode_21(cls, line):
    """A text value as vCard 2.1 and vCalendar 1.0 have it: "\\;" and "\\\\" are
    escapes, a comma is a comma."""
    if line.encoded:
        line.value = line.value.replace("\\;", ";").replace("\\\\", "\\")
        line.encoded = False


# vobject reads every version by the vCard 3.0 and iCalendar rules, which
# take a text value up to its first comma as a list's first item.
vobject.vcard.VCardTextBehavior.decode = classmethod(decode_21)
vobject.icalendar.TextBehavior.decode = classmethod(decode_21)


def dump(store):
    text = subprocess.run([host, "dump", store], check=True, capture_output=True, encoding="utf-8").stdout
    # transform=False: vobject takes COMPLETED for a date-time, where the
    # library gives a date; the dates are read below with its parsers.
    return list(vobject.readComponents(text, transform=False, allowQP=True))


def components(value):
    parts = stringToTextValues(value, listSeparator=";", charList=";")
    while parts and not parts[-1]:
        parts.pop()
    return parts


def unpadded(parts):
    return components(";".join(p.replace(";", "\\;") for p in parts))


def lines(value):
    return "\r\n".join(value) if isinstance(value, list) else value


def by_name(card, name):
    return [line for line in card.getChildren() if line.name == name]


def parameters(line):
    return ";".join(line.singletonparams + [f"{k}={'='.join(v)}" for k, v in line.params.items()
                                            if k != "CHARSET"])


# The properties of each telephone slot and address group, as the readers
# fill them.
PHONES = {"HomeTelephoneNumber": "HOME;VOICE", "BusinessTelephoneNumber": "WORK;VOICE",
          "HomeFaxNumber": "HOME;FAX", "BusinessFaxNumber": "WORK;FAX", "MobileTelephoneNumber": "CELL",
          "PagerNumber": "PAGER", "CarTelephoneNumber": "CAR", "ISDNNumber": "ISDN"}
ADDRESSES = {"HOME": ("HomeAddress", None, 1), "WORK": ("BusinessAddress", "OfficeLocation", 2),
             "POSTAL": ("OtherAddress", None, 3)}


def check_contact(card, c):
    who = c.get("FileAs")
    expect(f"{who} N", components(by_name(card, "N")[0].value),
           unpadded([c.get(p, "") for p in ("LastName", "FirstName", "MiddleName", "Title", "Suffix")]))
    # The contact form makes the first address given the mailing address
    # unless one is chosen.
    first = next((k for k in c if k.startswith(("HomeAddress", "BusinessAddress", "OtherAddress"))), "")
    mailing = c.get("SelectedMailingAddress", 1 if first.startswith("Home") else 2 if first.startswith("Business")
                    else 3 if first else 0)
    expect(f"{who} FN", by_name(card, "FN")[0].value, c.get("FileAs"))
    expect(f"{who} BDAY", [line.value for line in by_name(card, "BDAY")],
           [c["Birthday"].replace("-", "")] if "Birthday" in c else [])
    adrs = {}
    for line in by_name(card, "ADR"):
        kind = line.singletonparams[0]
        adrs[kind] = components(line.value)
        postal = "POSTAL" in line.singletonparams
        expect(f"{who} mailing address {kind}", postal, mailing == ADDRESSES[kind][2])
    for kind, (prefix, extended, selected) in ADDRESSES.items():
        parts = [c.get(prefix + p, "") for p in ("PostOfficeBox", "Street", "City", "State", "PostalCode", "Country")]
        parts.insert(1, c.get(extended, "") if extended else "")
        present = any(parts) and (kind != "POSTAL" or mailing == selected)
        expect(f"{who} ADR {kind}", adrs.get(kind), unpadded(parts) if present else None)
    expect(f"{who} TEL", sorted((parameters(line), line.value) for line in by_name(card, "TEL")),
           sorted((p, c[name]) for name, p in PHONES.items() if name in c))
    expect(f"{who} EMAIL", [(parameters(line), line.value) for line in by_name(card, "EMAIL")],
           [("INTERNET;PREF" if k == 1 else "INTERNET", c[f"Email{k}Address"]) for k in (1, 2, 3)
            if f"Email{k}Address" in c])
    expect(f"{who} ORG", [components(line.value) for line in by_name(card, "ORG")],
           [unpadded([c["CompanyName"], c.get("Department", "")])] if "CompanyName" in c else [])
    expect(f"{who} TITLE", [line.value for line in by_name(card, "TITLE")],
           [c["JobTitle"]] if "JobTitle" in c else [])


def when(value, date_only=False):
    return stringToDate(value) if date_only else stringToDateTime(value)


def sample_time(value):
    return datetime.datetime.fromisoformat(value if "T" in value else value + "T00:00:00")


def check_calendar_item(item, s, task):
    who = s["Subject"]
    props = {line.name: line.value for line in item.getChildren()}
    expect(f"{who} SUMMARY", props["SUMMARY"], s["Subject"])
    expect(f"{who} DESCRIPTION", props.get("DESCRIPTION"), lines(s["Body"]) if "Body" in s else None)
    start = "StartDate" if task else "Start"
    expect(f"{who} DTSTART", when(props["DTSTART"]) if "DTSTART" in props else None,
           sample_time(s[start]) if start in s else None)
    if task:
        due = s.get("DueDate", s.get("StartDate"))  # a start date makes a task due
        expect(f"{who} DUE", when(props["DUE"]) if "DUE" in props else None, sample_time(due) if due else None)
        expect(f"{who} COMPLETED", when(props["COMPLETED"], True) if "COMPLETED" in props else None,
               datetime.date.fromisoformat(s["DateCompleted"]) if "DateCompleted" in s else None)
        expect(f"{who} STATUS", props["STATUS"], "COMPLETED" if "DateCompleted" in s else "NEEDS ACTION")
    else:
        expect(f"{who} DTEND", when(props["DTEND"]), sample_time(s["End"]))
        expect(f"{who} LOCATION", props.get("LOCATION"), s.get("Location"))
    expect(f"{who} PRIORITY", props["PRIORITY"], str(s.get("Importance", 1)))


cards = dump("contacts")
expect("vCard count", len(cards), len(sample["Contacts"]))
for card, contact in zip(cards, sample["Contacts"]):
    expect("object", card.name, "VCARD")
    check_contact(card, contact)

calendars = dump("calendar")
items = [(a, False) for a in sample["Calendar"]] + [(t, True) for t in sample["Tasks"]]
expect("vCalendar count", len(calendars), len(items))
for calendar, (s, task) in zip(calendars, items):
    inner = [c for c in calendar.getChildren() if c.name in ("VEVENT", "VTODO")]
    expect(f"{s['Subject']} object", [c.name for c in inner], ["VTODO" if task else "VEVENT"])
    check_calendar_item(inner[0], s, task)

if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"{len(cards)} vCards and {len(calendars)} vCalendars read by vobject equal the sample")
