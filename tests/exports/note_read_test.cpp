// Reading notes: the whole record, byte for byte, for each kind of body; the
// store read against the single read of the same note; items that are not
// notes of the Notes folder.
#include <algorithm>

#include "exports/note_fixture.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;

constexpr double kMarch1At10 = 36951.0 + 10.0 / 24.0;                          // 2001-03-01 10:00:00
constexpr double kMarch15 = 36965.0 + (14 * 3600 + 30 * 60 + 29.6) / 86400.0;  // 14:30:29.6
constexpr std::size_t kGuard = 64;  // bytes behind the record the host's buffer also has

std::vector<ExpectedText> Joined(std::vector<ExpectedText> a, const std::vector<ExpectedText>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class NoteReadTest : public NoteTest {
protected:
    // A single read into a buffer of garbage that runs past the record: the
    // read clears the record's 6108 bytes and nothing behind them.
    int32_t ReadSingle(const std::string& id, std::vector<char>& buffer) {
        buffer.assign(sizeof(NoteRecord) + kGuard, '\x5A');
        return lib.GetSingleObjectForOL(buffer.data(), id.c_str(), TARN_STORE_NOTES);
    }
    static std::span<const char> Record(const std::vector<char>& buffer) {
        return {buffer.data(), sizeof(NoteRecord)};
    }
    static bool GuardKept(const std::vector<char>& buffer) {
        return std::all_of(buffer.end() - kGuard, buffer.end(), [](char c) { return c == '\x5A'; });
    }
};

// Catches: a field at a wrong offset or cut to the wrong size; the body or
// subject not encoded, or encoded before being cut; the marker taken from the
// value rather than from the stored body, or set for a lone line break; the
// empty-date test of the other readers applied to note times; the time not
// rounded; the single read not clearing the record, or clearing another
// record size.
TEST_F(NoteReadTest, SingleReadFillsTheWholeRecord) {
    const std::vector<ExpectedText> times = {{270, "20010301T100000"}, {290, "20010315T143030"}};
    const std::string marker = "ENCODING=QUOTED-PRINTABLE";
    const struct {
        const char* what;
        std::u16string body;
        double created, modified;
        std::vector<ExpectedText> fields;
    } cases[] = {
        {"two lines", u"Door code 4711\r\nAsk for the new key", kMarch1At10, kMarch15,
         Joined(times, {{475, "Door code 4711=0D=0A=\nAsk for the new key"},
                        {5595, marker},
                        {5723, "Door code 4711"}})},
        {"escapes", u"Buy milk; eggs\\cheese", kMarch1At10, kMarch15,
         Joined(times, {{475, "Buy milk\\; eggs\\\\cheese"}, {5723, "Buy milk\\; eggs\\\\cheese"}})},
        {"lone line feed and carriage return", u"a\nb\rc", kMarch1At10, kMarch15,
         Joined(times, {{475, "a\nb\rc"}, {5723, "a"}})},
        {"the marker's text typed into the note", u"Code =0D=0A", kMarch1At10, kMarch15,
         Joined(times, {{475, "Code =0D=0A"}, {5595, marker}, {5723, "Code =0D=0A"}})},
        {"empty body", u"", kMarch1At10, kMarch15, times},
        {"cut inside an escape pair", std::u16string(5118, u'x') + u";", kMarch1At10, kMarch15,
         Joined(times, {{475, std::string(5118, 'x') + "\\"}, {5723, std::string(255, 'x')}})},
        {"cut inside a soft break", std::u16string(5115, u'y') + u"\r\nz", kMarch1At10, kMarch15,
         Joined(times, {{475, std::string(5115, 'y') + "=0D="}, {5723, std::string(255, 'y')}})},
        {"Outlook's empty date",
         u"x",
         949998.0,
         949998.0,
         {{270, "45010101T000000"}, {290, "45010101T000000"}, {475, "x"}, {5723, "x"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        simpim::OutlookItem& note = AddNote(c.body);
        note.Set("CreationTime", Variant(Date{c.created}));
        note.Set("LastModificationTime", Variant(Date{c.modified}));
        const std::string id = EntryIdOf(note);
        std::vector<char> buffer;
        EXPECT_EQ(ReadSingle(id, buffer), TARN_OK);
        EXPECT_TRUE(RecordBytesAre(Record(buffer), Joined({{4, id}, {260, "1.1"}}, c.fields), kNoteFields));
        EXPECT_TRUE(GuardKept(buffer));
    }
}

// The store read writes the type code and the note's own identifier; the
// single read leaves the type 0 and copies the caller's identifier as given
// (Outlook takes it in either case). Catches a single read that writes the
// type or the item's EntryID, and a store read that leaves either out.
TEST_F(NoteReadTest, StoreReadAndSingleReadOfTheSameNote) {
    AddNote(u"first");
    simpim::OutlookItem& note = AddNote(u"Call Anna\r\nabout Friday");
    note.Set("CreationTime", Variant(Date{kMarch1At10}));
    note.Set("LastModificationTime", Variant(Date{kMarch15}));
    const std::vector<ExpectedText> fields = {{260, "1.1"},
                                              {270, "20010301T100000"},
                                              {290, "20010315T143030"},
                                              {475, "Call Anna=0D=0A=\nabout Friday"},
                                              {5595, "ENCODING=QUOTED-PRINTABLE"},
                                              {5723, "Call Anna"}};

    HostList<NoteRecord> host(2);
    ASSERT_EQ(lib.GetObjectStoreForOL(&host.list, TARN_STORE_NOTES), TARN_OK);
    EXPECT_TRUE(RecordBytesAre(BytesOf(host.records[1]), Joined({{0, "\x08"}, {4, EntryIdOf(note)}}, fields),
                               kNoteFields));

    std::string lowerId = EntryIdOf(note);
    std::transform(lowerId.begin(), lowerId.end(), lowerId.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    ASSERT_NE(lowerId, EntryIdOf(note));
    std::vector<char> buffer;
    EXPECT_EQ(ReadSingle(lowerId, buffer), TARN_OK);
    EXPECT_TRUE(RecordBytesAre(Record(buffer), Joined({{4, lowerId}}, fields), kNoteFields));
}

// Only notes of the default Notes folder are read: anything else leaves the
// record all zero and answers -9. Catches a missing or wrong folder test (a
// class test instead, or the Notes folder's subfolders let through).
TEST_F(NoteReadTest, ItemsOutsideTheNotesFolderAreNotInTheStore) {
    simpim::OutlookFolder& ideas = outlook.AddFolder(outlook.Folder(simpim::kFolderNotes), u"Ideas");
    const struct {
        const char* what;
        simpim::OutlookItem& item;
    } cases[] = {
        {"contact", outlook.AddItem(simpim::ContactClass())},
        {"appointment", outlook.AddItem(simpim::AppointmentClass())},
        {"task", outlook.AddItem(simpim::TaskClass())},
        {"mail", outlook.AddItem(simpim::kFolderInbox, simpim::MailClass())},
        {"note in a subfolder of Notes", outlook.AddItem(ideas, simpim::NoteClass())},
        {"deleted note", outlook.AddItem(simpim::kFolderDeletedItems, simpim::NoteClass())},
    };
    for (const auto& c : cases) {
        std::vector<char> buffer;
        EXPECT_EQ(ReadSingle(EntryIdOf(c.item), buffer), TARN_NOT_IN_STORE) << c.what;
        EXPECT_TRUE(RecordBytesAre(Record(buffer), {}, kNoteFields)) << c.what;
        EXPECT_TRUE(GuardKept(buffer)) << c.what;
    }
}

}  // namespace
}  // namespace tarnex_test
