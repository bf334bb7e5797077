"""A host written in Python, over tarnex and its simulated servers through
ctypes: it installs the bundled sample PIM, lists the contacts, adds one,
shows how a failing PIM reaches the host, and checks that the session lets
go of every object it held.

    python3 examples/python_host.py DIRECTORY_OF_THE_LIBRARIES

The libraries are libtarnex.so and libtarnex_simpim.so (on Windows a host
loads tarnex.dll and talks to the real Outlook instead of the simulation).
Exits 1 when the library does not behave as shown.
"""
import ctypes
import json
import os
import sys
from ctypes import POINTER, Structure, byref, c_char, c_char_p, c_int, c_int32, c_long, c_uint32, c_void_p

libraries = sys.argv[1] if len(sys.argv) > 1 else "."
tarnex = ctypes.CDLL(os.path.join(libraries, "libtarnex.so"))
simpim = ctypes.CDLL(os.path.join(libraries, "libtarnex_simpim.so"))

# The records are packed C structures (tarnex/tarnex.h); text is code page 1252.
TARN_OK, TARN_INITIALIZED, TARN_DISPATCH_EXCEPTION = 0, 1, -6
TARN_PIM_OUTLOOK, TARN_STORE_CONTACTS = 0, 1
ENTRY_ID_SIZE, PARAMETERS = 256, 128


class PimRecordHeader(Structure):
    _pack_ = 1
    _fields_ = [("type", c_uint32), ("entryId", c_char * ENTRY_ID_SIZE), ("version", c_char * 10)]


def slot(value_size):
    class Slot(Structure):
        _pack_ = 1
        _fields_ = [("value", c_char * value_size), ("parameters", c_char * PARAMETERS)]
    return Slot


AddressSlot, PhoneSlot, EmailSlot = slot(255), slot(50), slot(30)


class ContactRecord(Structure):
    _pack_ = 1
    _fields_ = [("header", PimRecordHeader),
                ("name", c_char * 100), ("nameParameters", c_char * PARAMETERS),
                ("fileAs", c_char * 128), ("fileAsParameters", c_char * PARAMETERS),
                ("birthday", c_char * 11), ("birthdayParameters", c_char * PARAMETERS),
                ("addresses", AddressSlot * 6),
                ("organization", c_char * 512), ("organizationParameters", c_char * PARAMETERS),
                ("jobTitle", c_char * 128), ("jobTitleParameters", c_char * PARAMETERS),
                ("phones", PhoneSlot * 12),
                ("personalHomePage", c_char * 512), ("personalHomePageParameters", c_char * PARAMETERS),
                ("businessHomePage", c_char * 512), ("businessHomePageParameters", c_char * PARAMETERS),
                ("emails", EmailSlot * 12),
                ("tail", c_char * 161)]


assert ctypes.sizeof(ContactRecord) == 9560


# A record list: the host's descriptor and nodes, naturally aligned.
class RecordListNode(Structure):
    pass


RecordListNode._fields_ = [("record", c_void_p), ("hostWord", c_uint32), ("next", POINTER(RecordListNode))]


class PimRecordList(Structure):
    _fields_ = [("current", POINTER(RecordListNode)), ("first", POINTER(RecordListNode)),
                ("hostWord", c_uint32), ("count", c_int32), ("index", c_int32)]


for function, arguments, result in [
        (tarnex.InitializeTARN, [c_int32], c_int32),
        (tarnex.UninitializeTARN, [], None),
        (tarnex.TARN_GetCountForOL, [POINTER(c_int32), c_int32], c_int32),
        (tarnex.TARN_GetObjectStoreForOL, [POINTER(PimRecordList), c_int32], c_int32),
        (tarnex.TARN_GetSingleObjectForOL, [c_void_p, c_char_p, c_int32], c_int32),
        (tarnex.TARN_AddForOL, [c_char_p, c_void_p, c_int32], c_int32),
        (simpim.tarnex_simpim_install, [c_char_p], c_int),
        (simpim.tarnex_simpim_uninstall, [], None),
        (simpim.tarnex_simpim_state, [], c_void_p),
        (simpim.tarnex_simpim_free, [c_void_p], None),
        (simpim.tarnex_simpim_fail_call, [c_int, c_int], None),
        (simpim.tarnex_simpim_live_references, [], c_long),
        (simpim.tarnex_simpim_last_error, [], c_char_p)]:
    function.argtypes, function.restype = arguments, result

problems = []


def expect(what, got, wanted):
    if got != wanted:
        problems.append(f"{what}: {got!r}, expected {wanted!r}")


def text(field):
    return field.decode("cp1252")


def count_contacts():
    count = c_int32()
    expect("TARN_GetCountForOL", tarnex.TARN_GetCountForOL(byref(count), TARN_STORE_CONTACTS), TARN_OK)
    return count.value


def read_contacts():
    """The whole contact store in one call, into zero-filled records."""
    count = count_contacts()
    records = (ContactRecord * count)()
    nodes = (RecordListNode * count)()
    for k in range(count):
        nodes[k].record = ctypes.addressof(records[k])
        nodes[k].next = ctypes.pointer(nodes[k + 1]) if k + 1 < count else None
    listing = PimRecordList(first=ctypes.pointer(nodes[0]), count=count)
    expect("TARN_GetObjectStoreForOL", tarnex.TARN_GetObjectStoreForOL(byref(listing), TARN_STORE_CONTACTS), TARN_OK)
    return records


# A bad document is refused with the place it fails at.
expect("install of bad JSON", simpim.tarnex_simpim_install(b'{"outlook": {"folders": {"Contacts": [{"Birthday": 7}]}}}'), -1)
print("refused:", simpim.tarnex_simpim_last_error().decode())

expect("install of the sample", simpim.tarnex_simpim_install(None), 0)
expect("InitializeTARN", tarnex.InitializeTARN(TARN_PIM_OUTLOOK), TARN_INITIALIZED)

records = read_contacts()
print(f"{len(records)} contacts:")
for record in records:
    print(f"  {text(record.fileAs):28} {text(record.phones[0].value) or text(record.phones[4].value):20} "
          f"{text(record.emails[0].value)}")

new = ContactRecord()
new.name = "Øberg;Pia;;;".encode("cp1252")
new.fileAs = "Øberg, Pia".encode("cp1252")
new.phones[0].value, new.phones[0].parameters = b"+46 8 555 0199", b"CELL"
new.emails[0].value, new.emails[0].parameters = b"pia@example.se", b"INTERNET;PREF"
entry_id = ctypes.create_string_buffer(ENTRY_ID_SIZE)
expect("TARN_AddForOL", tarnex.TARN_AddForOL(entry_id, byref(new), TARN_STORE_CONTACTS), TARN_OK)
print("added", entry_id.value.decode())

back = ContactRecord()
expect("TARN_GetSingleObjectForOL",
       tarnex.TARN_GetSingleObjectForOL(byref(back), entry_id.value, TARN_STORE_CONTACTS), TARN_OK)
expect("name read back", text(back.name), "Øberg;Pia;;;")
expect("mobile number read back", (back.phones[4].value, back.phones[4].parameters), (b"+46 8 555 0199", b"CELL"))
expect("contacts after the add", count_contacts(), len(records) + 1)

# The simulated Outlook fails the next call; the host sees the result code.
simpim.tarnex_simpim_fail_call(1, 1)
count = c_int32()
expect("count with a failing PIM", tarnex.TARN_GetCountForOL(byref(count), TARN_STORE_CONTACTS),
       TARN_DISPATCH_EXCEPTION)

tarnex.UninitializeTARN()
expect("references left after UninitializeTARN", simpim.tarnex_simpim_live_references(), 0)

state = simpim.tarnex_simpim_state()
contacts = json.loads(ctypes.string_at(state).decode())["outlook"]["folders"]["Contacts"]
simpim.tarnex_simpim_free(state)
expect("the new contact in the PIM", contacts[-1].get("LastName"), "Øberg")
simpim.tarnex_simpim_uninstall()

if problems:
    print("\n".join(problems))
    sys.exit(1)
print("the library behaved as a host expects")
