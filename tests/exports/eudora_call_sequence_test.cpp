// The exact Eudora calls of a read (the mailbox walk included) and of an
// add, compared whole with the simulated Eudora's call log.
#include "exports/call_trace.h"
#include "exports/eudora_fixture.h"

namespace tarnex_test {
namespace {

class EudoraCallSequenceTest : public EudoraTest {
protected:
    void SetUp() override {
        // Root: In, Out, Trash, Work { Clients }, Clients.
        Fill(eudora.Mailbox(simpim::kEudoraIn), {u"in 1"});
        simpim::EudoraMailbox& work = tree.AddFolder(tree.Root(), u"Work");
        Mailbox(work, u"Clients", {u"work clients 1"});
        Mailbox(tree.Root(), u"Clients", {u"root clients 1"});
        EudoraTest::SetUp();
        Open();
        eudora.ClearCallLog();
    }
    std::vector<std::string> Calls() const { return CallTrace().Lines(eudora.CallLog()); }
};

// Four to six calls a node: the first match is not entered, and the later
// "Clients" at the root replaces it.
TEST_F(EudoraCallSequenceTest, ReadWalksTheTreeThenReadsTheMessage) {
    Read("Clients_1_1");
    std::vector<std::string> expected = {
        "EuApplication.RootFolder",
        "EuFolder[Eudora].Folders",
        "EuFolders[Eudora].Count",
    };
    const auto node = [&](int position, const std::string& name, bool nameMatches, bool countAsked) {
        expected.push_back("EuFolders[Eudora].Item(" + std::to_string(position) + ")");
        expected.push_back("EuFolder[" + name + "].Messages");
        expected.push_back("EuFolder[" + name + "].Name");
        if (nameMatches) expected.push_back("EuMessages[" + name + "].Count");
        expected.push_back("EuFolder[" + name + "].Folders");
        if (countAsked) expected.push_back("EuFolders[" + name + "].Count");
    };
    const auto released = [&](std::initializer_list<std::string> objects) {
        for (const std::string& object : objects) expected.push_back("~" + object);
    };
    for (auto [position, name] : {std::pair{1, "In"}, {2, "Out"}, {3, "Trash"}}) {
        node(position, name, false, true);
        released({std::string("EuFolders[") + name + "]", std::string("EuMessages[") + name + "]",
                  std::string("EuFolder[") + name + "]"});
    }
    node(4, "Work", false, true);
    expected.insert(expected.end(), {
                                        "EuFolder[Work].Folders",
                                        "EuFolders[Work].Count",
                                        "EuFolders[Work].Item(1)",
                                        "EuFolder[Clients].Messages",
                                        "EuFolder[Clients].Name",
                                        "EuMessages[Clients].Count",
                                        "EuFolder[Clients].Folders",
                                        "~EuFolders[Clients]",
                                        "~EuMessages[Clients]",
                                        "~EuFolders[Work]",
                                    });
    released({"EuFolders[Work]", "EuMessages[Work]", "EuFolder[Work]"});
    node(5, "Clients", true, false);
    // Work's Clients leaves the current mailbox slot as the match replaces it.
    expected.insert(expected.end() - 1, "~EuFolder[Clients]");
    expected.insert(expected.end(), {
                                        "~EuFolders[Clients]",
                                        "~EuMessages[Clients]",
                                        "~EuFolders[Eudora]",
                                        "~EuFolder[Eudora]",
                                        "EuFolder[Clients].MailboxNumber",
                                        "EuFolder[Clients].Messages",
                                        "EuMessages[Clients].Item(1)",
                                        "EuMessage.Status",
                                        "EuMessage.Date",
                                        "EuMessage.From",
                                        "EuMessage.To",
                                        "EuMessage.Header(2)",
                                        "EuMessage.Header(14)",
                                        "EuMessage.Subject",
                                        "EuMessage.Body",
                                    });
    EXPECT_TRUE(SameCalls(expected, Calls()));
}

TEST_F(EudoraCallSequenceTest, AddQueuesFindsMarksAndMoves) {
    Fill(eudora.Mailbox(simpim::kEudoraOut), {u"other"});
    const MessageRecord record = MessageWith({{msg::kTo, "anna@example.com"}, {msg::kBody, "Hi"}});
    eudora.ClearCallLog();
    ASSERT_EQ(lib.AddForEU(nullptr, &record, TARN_STORE_SENT), TARN_OK);
    const simpim::EudoraMailbox& in = eudora.Mailbox(simpim::kEudoraIn);
    const std::string queuedId = std::to_string(in.At(in.Count() - 1).id);
    EXPECT_TRUE(SameCalls(
        {
            R"(EuApplication.QueueMessage("anna@example.com", "", "", "", "", "Hi"))",
            "EuApplication.MailboxByNumber(3, -1)",
            "EuFolder[Out].Messages",
            "EuMessages[Out].Count",
            "EuMessages[Out].Item(1)",
            "EuMessage.Body",
            "~EuMessage",
            "EuMessages[Out].Item(2)",
            "EuMessage.Body",
            "EuMessage.ID",
            "~EuMessage",
            "EuFolder[Out].Messages",
            "~EuMessages[Out]",
            "EuMessages[Out].ItemByID(" + queuedId + ")",
            "EuMessage.Status = 1",
            "EuApplication.MailboxByNumber(2, -1)",
            "EuMessage.Move(<EuFolder>)",
            "~EuFolder[In]",
        },
        Calls()));
}

}  // namespace
}  // namespace tarnex_test
