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

// Every export but the three session ones, with arguments that would be
// valid in an open session of its PIM.
std::vector<ClosedCall> PimExports() {
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
        {"GetCountForEU", [](const Library& l, char* b,
                             PimRecordList*) { return l.GetCountForEU(reinterpret_cast<int32_t*>(b), 32); }},
        {"GetSingleObjectForEU",
         [](const Library& l, char* b, PimRecordList*) { return l.GetSingleObjectForEU(b, "In_1_1", 32); }},
        {"AddForEU", [](const Library& l, char* b, PimRecordList*) { return l.AddForEU(nullptr, b, 32); }},
    };
}

bool IsEudoraExport(const ClosedCall& c) { return std::string_view(c.name).ends_with("ForEU"); }

// Calls every export on a closed session: each answers -8 and touches
// neither its buffer nor its list nor the PIM.
void ExpectEveryExportClosed(const Library& lib, simpim::OutlookServer& outlook) {
    const auto calls = outlook.CallCount();
    for (const auto& [name, call] : PimExports()) {
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

// Each PIM's session with the other PIM's exports called on it: they find
// their objects missing and fail, and the open session goes on as it was.
TEST(BothPims, ExportsOfTheOtherPimLeaveTheOpenSessionAlone) {
    simpim::OutlookServer outlook;
    simpim::EudoraServer eudora;
    outlook.AddItem(simpim::ContactClass());
    eudora.AddMessage(simpim::kEudoraIn, {.subject = u"Hello"});
    tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
    tarnex_RegisterServer("Eudora.EuApplication.1", &simpim::EudoraServer::Factory, &eudora);
    tarnex_SetMessageBoxHandler([](const char*, void*) {}, nullptr);
    const Library& lib = Tarnex();

    for (const int32_t kind : {TARN_PIM_OUTLOOK, TARN_PIM_EUDORA}) {
        SCOPED_TRACE(kind);
        ASSERT_EQ(lib.Initialize(kind), TARN_INITIALIZED);
        simpim::SimulatedServer& open =
            kind == TARN_PIM_OUTLOOK ? static_cast<simpim::SimulatedServer&>(outlook) : eudora;
        const auto held = open.LiveReferences();
        for (const ClosedCall& c : PimExports()) {
            if (IsEudoraExport(c) != (kind == TARN_PIM_OUTLOOK)) continue;
            std::vector<char> buffer(TARN_MESSAGE_RECORD_SIZE, '\0');
            RecordListNode node = MakeNode(buffer.data(), nullptr, 7);
            PimRecordList list = MakeList(&node, 1, nullptr, 0, 9);
            EXPECT_LT(c.call(lib, buffer.data(), &list), TARN_OK) << c.name;
            EXPECT_EQ(open.LiveReferences(), held) << c.name;
        }
        int32_t count = -1;
        EXPECT_EQ(kind == TARN_PIM_OUTLOOK ? lib.GetCountForOL(&count, TARN_STORE_CONTACTS)
                                           : lib.GetCountForEU(&count, TARN_STORE_INBOX),
                  TARN_OK);
        EXPECT_EQ(count, 1);
        lib.Uninitialize();
        EXPECT_EQ(outlook.LiveReferences() + eudora.LiveReferences(), 0);
    }
    tarnex_SetMessageBoxHandler(nullptr, nullptr);
    tarnex_RegisterServer("Outlook.Application.9", nullptr, nullptr);
    tarnex_RegisterServer("Eudora.EuApplication.1", nullptr, nullptr);
}

}  // namespace
}  // namespace tarnex_test
