// Every guarded export turns each kind of automation failure into its result
// code, and no failure reaches the host.
#include <functional>
#include <string>
#include <vector>

#include "exports/outlook_fixture.h"
#include "exports/record_lists.h"

namespace tarnex_test {
namespace {

using simpim::Fault;

// A C++ failure inside a server's call: in process it is the library's own
// catch-all; through COM the server can only answer E_FAIL, an OLE status.
#ifdef _WIN32
constexpr int32_t kServerFailure = TARN_OLE_FAILURE;
#else
constexpr int32_t kServerFailure = TARN_FAILED;
#endif

struct Export {
    const char* name;
    int failingCall;  // which of the export's automation calls is made to fail
    std::function<int32_t(OutlookTest&, const Library&)> call;
};

class FailureMappingTest : public OpenOutlookTest {
protected:
    void SetUp() override {
        OpenOutlookTest::SetUp();
        contactId = EntryIdOf(outlook.AddItem(simpim::ContactClass()));
        outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass());
        tarnex_SetMessageBoxHandler([](const char*, void*) {}, nullptr);
    }
    void TearDown() override {
        tarnex_SetMessageBoxHandler(nullptr, nullptr);
        OpenOutlookTest::TearDown();
    }

    // Each export as a host calls it, over the one contact.
    std::vector<Export> Exports() {
        return {
            {"LogonForOL", 1, [](OutlookTest&, const Library& l) { return l.LogonForOL(); }},
            {"GetCountForOL", 1,
             [](OutlookTest&, const Library& l) {
                 int32_t n;
                 return l.GetCountForOL(&n, 1);
             }},
            {"GetIDForOL", 2,
             [this](OutlookTest&, const Library& l) { return l.GetIDForOL(buffer.data(), 0, 1); }},
            {"GetUniqueStringForOL", 1,
             [this](OutlookTest&, const Library& l) { return l.GetUniqueStringForOL(buffer.data()); }},
            {"DeleteForOL", 1,
             [this](OutlookTest&, const Library& l) { return l.DeleteForOL(contactId.c_str()); }},
            {"GetObjectStoreForOL", 1,
             [this](OutlookTest&, const Library& l) { return l.GetObjectStoreForOL(List(), 1); }},
            {"GetSingleObjectForOL", 1,
             [this](OutlookTest&, const Library& l) {
                 return l.GetSingleObjectForOL(record.data(), contactId.c_str(), 1);
             }},
            {"SetObjectStoreForOL", 1,
             [this](OutlookTest&, const Library& l) { return l.SetObjectStoreForOL(List(), 1); }},
            {"SetSingleObjectForOL", 1,
             [this](OutlookTest&, const Library& l) {
                 return l.SetSingleObjectForOL(contactId.c_str(), record.data(), 1);
             }},
            {"AddForOL", 1,
             [this](OutlookTest&, const Library& l) { return l.AddForOL(buffer.data(), record.data(), 1); }},
            {"GetCreationTimeForOL", 3,
             [this](OutlookTest&, const Library& l) {
                 int32_t time;
                 return l.GetCreationTimeForOL(&time, contactId.c_str());
             }},
            {"GetModificationTimeForOL", 3,
             [this](OutlookTest&, const Library& l) {
                 int32_t time;
                 return l.GetModificationTimeForOL(&time, contactId.c_str());
             }},
        };
    }

    PimRecordList* List() {
        node = MakeNode(record.data(), nullptr);
        list = MakeList(&node, 1);
        return &list;
    }

    std::string contactId;
    std::vector<char> record = std::vector<char>(TARN_CONTACT_RECORD_SIZE);
    std::vector<char> buffer = std::vector<char>(TARN_MESSAGE_RECORD_SIZE);
    RecordListNode node{};
    PimRecordList list{};
};

// One automation call of each export fails; the export answers with the
// failure's code.
TEST_F(FailureMappingTest, EachKindOfFailureAtEveryExport) {
    struct Kind {
        const char* name;
        Fault fault;
        int32_t expected;
    };
    // Memory running out is the catch-all code however it arrives: thrown in
    // process, or as E_OUTOFMEMORY from the server or through COM.
    const std::vector<Kind> kinds{
        {"dispatch exception", Fault::Exception(u"The operation failed."), TARN_DISPATCH_EXCEPTION},
        {"OLE status", Fault::Status(static_cast<int32_t>(0x80004005)), TARN_OLE_FAILURE},
        {"type mismatch", Fault::Status(static_cast<int32_t>(0x80020005)), TARN_OLE_FAILURE},
        {"out of memory", Fault::OutOfMemory(), TARN_FAILED},
        {"E_OUTOFMEMORY status", Fault::Status(static_cast<int32_t>(0x8007000E)), TARN_FAILED},
        {"C++ failure", Fault::Unexpected(), kServerFailure},
    };
    for (const auto& kind : kinds) {
        for (const auto& [name, failingCall, call] : Exports()) {
            outlook.ClearFaults();
            outlook.FailCall(failingCall, kind.fault);
            EXPECT_EQ(call(*this, lib), kind.expected) << name << ": " << kind.name;
        }
    }
}

// The identifier query counts through the counting export, whose result it
// does not look at: a store it cannot count has no positions.
TEST_F(FailureMappingTest, IdentifierQueryWhoseCountFails) {
    outlook.FailCall(1, Fault::Exception());
    EXPECT_EQ(lib.GetIDForOL(buffer.data(), 0, 1), TARN_BAD_POSITION);
}

// Anything but an object where an item should be is the catch-all failure.
TEST_F(FailureMappingTest, ItemThatIsNotAnObject) {
    outlook.HandBackFromNextItemCall(tarnex::automation::Variant(int32_t{7}));
    EXPECT_EQ(lib.GetIDForOL(buffer.data(), 0, 1), TARN_FAILED);
    outlook.HandBackFromNextItemCall(tarnex::automation::Variant());
    EXPECT_EQ(lib.GetObjectStoreForOL(List(), 1), TARN_FAILED);
}

// A failure in the middle of opening closes the session again.
TEST(OpeningFailures, FailureAfterCreationClosesTheSession) {
    struct Case {
        const char* name;
        Fault fault;
        int32_t expected;
    };
    const std::vector<Case> cases{
        {"dispatch exception", Fault::Exception(u"MAPI logon failed."), TARN_FAILED},
        {"OLE status", Fault::Status(static_cast<int32_t>(0x80004005)), TARN_FAILED},
        {"out of memory", Fault::OutOfMemory(), TARN_OUT_OF_MEMORY},
        {"E_OUTOFMEMORY status", Fault::Status(static_cast<int32_t>(0x8007000E)), TARN_OUT_OF_MEMORY},
        {"C++ failure", Fault::Unexpected(), TARN_FAILED},
    };
    const Library& lib = Tarnex();
    for (const auto& c : cases) {
        // Fail each call of the opening in turn: the namespace, every folder,
        // every Items collection (the fifteen calls the call sequence test pins).
        for (int nth = 1; nth <= 15; ++nth) {
            simpim::OutlookServer outlook;
            tarnex_RegisterServer(kOutlookProgId, &simpim::OutlookServer::Factory, &outlook);
            outlook.FailCall(nth, c.fault);
            EXPECT_EQ(lib.Initialize(TARN_PIM_OUTLOOK), c.expected) << c.name << " at call " << nth;
            int32_t count = 0;
            EXPECT_EQ(lib.GetCountForOL(&count, 1), TARN_NOT_OPEN) << c.name << " at call " << nth;
            EXPECT_EQ(outlook.LiveReferences(), 0) << c.name << " at call " << nth;
            lib.Uninitialize();
            tarnex_RegisterServer(kOutlookProgId, nullptr, nullptr);
        }
    }
}

}  // namespace
}  // namespace tarnex_test
