// Opening, probing and closing a session, and the closed-session answer of
// every export.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "exports/outlook_fixture.h"
#include "exports/record_lists.h"
#include "simpim/eudora_server.h"

namespace tarnex_test {
namespace {

struct ClosedCall {
    const char* name;
    std::function<int32_t(const Library&, char* buffer, PimRecordList* list)> call;
};

// Every Outlook export, with arguments that would be valid in an open session.
std::vector<ClosedCall> OutlookExports() {
    return {
        {"LogonForOL", [](const Library& l, char*, PimRecordList*) { return l.LogonForOL(); }},
        {"GetCountForOL", [](const Library& l, char* b,
                             PimRecordList*) { return l.GetCountForOL(reinterpret_cast<int32_t*>(b), 1); }},
        {"GetIDForOL", [](const Library& l, char* b, PimRecordList*) { return l.GetIDForOL(b, 0, 1); }},
        {"GetUniqueStringForOL",
         [](const Library& l, char* b, PimRecordList*) { return l.GetUniqueStringForOL(b); }},
        {"DeleteForOL", [](const Library& l, char*, PimRecordList*) { return l.DeleteForOL("00000000AB"); }},
        {"GetObjectStoreForOL",
         [](const Library& l, char*, PimRecordList* list) { return l.GetObjectStoreForOL(list, 1); }},
        {"GetSingleObjectForOL", [](const Library& l, char* b,
                                    PimRecordList*) { return l.GetSingleObjectForOL(b, "00000000AB", 1); }},
        {"SetObjectStoreForOL",
         [](const Library& l, char*, PimRecordList* list) { return l.SetObjectStoreForOL(list, 1); }},
        {"SetSingleObjectForOL", [](const Library& l, char* b,
                                    PimRecordList*) { return l.SetSingleObjectForOL("00000000AB", b, 1); }},
        {"AddForOL", [](const Library& l, char* b, PimRecordList*) { return l.AddForOL(b, b, 1); }},
        {"GetCreationTimeForOL",
         [](const Library& l, char* b, PimRecordList*) {
             return l.GetCreationTimeForOL(reinterpret_cast<int32_t*>(b), "00000000AB");
         }},
        {"GetModificationTimeForOL",
         [](const Library& l, char* b, PimRecordList*) {
             return l.GetModificationTimeForOL(reinterpret_cast<int32_t*>(b), "00000000AB");
         }},
    };
}

// Calls every export on a closed session: each answers -8 and touches
// neither its buffer nor its list nor the PIM.
void ExpectEveryExportClosed(const Library& lib, simpim::OutlookServer& outlook) {
    const auto calls = outlook.CallCount();
    for (const auto& [name, call] : OutlookExports()) {
        std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE, '\x5A');
        std::vector<char> record(TARN_CONTACT_RECORD_SIZE, '\x5A');
        RecordListNode node = MakeNode(record.data(), nullptr, 7);
        PimRecordList list = MakeList(&node, 1, nullptr, 5, 9);
        EXPECT_EQ(call(lib, buffer.data(), &list), TARN_NOT_OPEN) << name;
        EXPECT_EQ(buffer, std::vector<char>(TARN_MESSAGE_RECORD_SIZE, '\x5A')) << name;
        EXPECT_EQ(record, std::vector<char>(TARN_CONTACT_RECORD_SIZE, '\x5A')) << name;
        EXPECT_EQ(list.current, nullptr) << name;
        EXPECT_EQ(list.index, 5) << name;
    }
    EXPECT_EQ(outlook.CallCount(), calls) << "a closed session reached the PIM";
}

TEST_F(OutlookTest, EveryExportAnswersNotOpenBeforeAndAfterASession) {
    outlook.AddItem(simpim::ContactClass());
    ExpectEveryExportClosed(lib, outlook);
    Open();
    lib.Uninitialize();
    ExpectEveryExportClosed(lib, outlook);
    lib.Uninitialize();  // closing twice is harmless
    ExpectEveryExportClosed(lib, outlook);
}

TEST_F(OutlookTest, UnknownKindSucceedsYetOpensNothing) {
    for (int32_t kind : {2, 7, -1}) {
        EXPECT_EQ(lib.Initialize(kind), TARN_INITIALIZED) << kind;
        int32_t count = 99;
        EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN) << kind;
        EXPECT_EQ(count, 99);
        EXPECT_EQ(lib.IsPimPresent(kind), 1) << kind;
    }
    EXPECT_EQ(outlook.LiveReferences(), 0);
}

TEST_F(OutlookTest, OpeningWithAnUnknownKindClosesAnOpenSession) {
    Open();
    EXPECT_EQ(lib.Initialize(2), TARN_INITIALIZED);
    int32_t count = 0;
    EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN);
}

TEST(NoServer, OpeningAndProbingWithoutAServerRegistered) {
    const Library& lib = Tarnex();
    for (int32_t kind : {TARN_PIM_OUTLOOK, TARN_PIM_EUDORA}) {
        EXPECT_EQ(lib.IsPimPresent(kind), 0) << kind;
        EXPECT_EQ(lib.Initialize(kind), TARN_NO_SERVER) << kind;
        int32_t count = 0;
        EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN) << kind;
    }
    lib.Uninitialize();
}

TEST_F(OutlookTest, ProbeCreatesAndReleasesItsOwnObject) {
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_OUTLOOK), 1);
    EXPECT_EQ(outlook.LiveReferences(), 0);
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_EUDORA), 0);  // only Outlook is registered

    // A probe during a session leaves the session's application in place.
    Open();
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_OUTLOOK), 1);
    char id[TARN_ENTRY_ID_SIZE] = {};
    EXPECT_EQ(lib.AddForOL(id, std::vector<char>(TARN_CONTACT_RECORD_SIZE).data(), 1), TARN_OK);
}

TEST_F(OutlookTest, ReopeningReleasesTheFirstSessionsObjects) {
    Open();
    const auto held = outlook.LiveReferences();
    EXPECT_GT(held, 0);
    Open();
    EXPECT_EQ(outlook.LiveReferences(), held);
    lib.Uninitialize();
    EXPECT_EQ(outlook.LiveReferences(), 0);
}

// The Eudora session: in, out and third mailboxes resolved; the probe and
// the release work as for Outlook.
TEST(EudoraSession, OpensAndReleasesEverything) {
    simpim::EudoraServer eudora;
    tarnex_RegisterServer("Eudora.EuApplication.1", &simpim::EudoraServer::Factory, &eudora);
    const Library& lib = Tarnex();
    EXPECT_EQ(lib.IsPimPresent(TARN_PIM_EUDORA), 1);
    EXPECT_EQ(lib.Initialize(TARN_PIM_EUDORA), TARN_INITIALIZED);
    EXPECT_GT(eudora.LiveReferences(), 0);
    // Outlook exports on a Eudora session find no Outlook objects: a failure
    // code, never a crash.
    int32_t count = 5;
    EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_OLE_FAILURE);
    lib.Uninitialize();
    EXPECT_EQ(eudora.LiveReferences(), 0);
    tarnex_RegisterServer("Eudora.EuApplication.1", nullptr, nullptr);
}

}  // namespace
}  // namespace tarnex_test
