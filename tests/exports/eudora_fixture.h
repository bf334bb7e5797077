// A host's view of the library over the simulated Eudora: the server is
// registered as "Eudora.EuApplication.1" for the length of a test, and after
// the test the library must hold no reference to any of its objects.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "exports/mail_fixture.h"
#include "simpim/eudora_server.h"

namespace tarnex_test {

inline constexpr const char* kEudoraProgId = "Eudora.EuApplication.1";

class EudoraTest : public ::testing::Test {
protected:
    void SetUp() override { tarnex_RegisterServer(kEudoraProgId, &simpim::EudoraServer::Factory, &eudora); }

    void TearDown() override {
        lib.Uninitialize();
        tarnex_RegisterServer(kEudoraProgId, nullptr, nullptr);
        EXPECT_EQ(eudora.LiveReferences(), 0) << "the library kept references after UninitializeTARN";
    }

    void Open() { ASSERT_EQ(lib.Initialize(TARN_PIM_EUDORA), TARN_INITIALIZED); }

    // A mailbox under parent holding one message per subject, each with the
    // subject as its body too.
    simpim::EudoraMailbox& Mailbox(simpim::EudoraMailbox& parent, std::u16string name,
                                   std::initializer_list<std::u16string> subjects = {}) {
        simpim::EudoraMailbox& mailbox = tree.AddMailbox(parent, std::move(name));
        Fill(mailbox, subjects);
        return mailbox;
    }
    void Fill(simpim::EudoraMailbox& mailbox, std::initializer_list<std::u16string> subjects) {
        for (const std::u16string& subject : subjects)
            tree.AddMessage(mailbox, {.subject = subject, .body = subject});
    }

    // The single read of an identifier, into a record the read must clear.
    MessageRecord Read(const std::string& id, std::int32_t store = TARN_STORE_INBOX,
                       TarnResult expected = TARN_OK) {
        MessageRecord record;
        std::memset(&record, 0x5a, sizeof record);
        EXPECT_EQ(lib.GetSingleObjectForEU(&record, id.c_str(), store), expected) << id;
        return record;
    }

    int32_t CountOf(std::int32_t store) {
        int32_t count = -1;
        EXPECT_EQ(lib.GetCountForEU(&count, store), TARN_OK);
        return count;
    }

    simpim::EudoraServer eudora;
    simpim::EudoraStore& tree = eudora.Store();
    const Library& lib = Tarnex();
};

class OpenEudoraTest : public EudoraTest {
protected:
    void SetUp() override {
        EudoraTest::SetUp();
        Open();
    }
};

}  // namespace tarnex_test
