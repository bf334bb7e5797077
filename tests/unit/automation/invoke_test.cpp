#include "automation/invoke.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/failures.h"
#include "fake_dispatch.h"

namespace tarnex::automation {
namespace {

using testing::FakeDispatch;

class InvokeTest : public ::testing::Test {
protected:
    void TearDown() override {
        ref_.Reset();
        EXPECT_EQ(object_.references, 1) << "a reference leaked";
    }
    FakeDispatch object_;
    DispatchRef ref_ = DispatchRef::Share(&object_);
};

TEST_F(InvokeTest, NullObjectIsAnOleFailureNotACrash) {
    try {
        Get(DispatchRef(), 0x50);
        FAIL() << "no failure";
    } catch (const OleStatusFailure& failure) {
        EXPECT_EQ(failure.Status(), kPointer);
    }
}

TEST_F(InvokeTest, FailedStatusesBecomeTheirFailures) {
    struct Case {
        HResult status;
        bool dispatchException;
    };
    for (const Case& c : {Case{kDispException, true}, Case{kDispMemberNotFound, false}, Case{kFail, false},
                          Case{kDispBadIndex, false}}) {
        SCOPED_TRACE(c.status);
        object_.status = c.status;
        object_.raised = {u"Outlook", u"Caf\u00e9 \u2013 not found", static_cast<HResult>(0x80040107)};
        try {
            Call(ref_, 0x51, {Variant(int32_t{1})});
            ADD_FAILURE() << "no failure";
        } catch (const DispatchException& failure) {
            EXPECT_TRUE(c.dispatchException);
            EXPECT_EQ(failure.Description(), "Caf\xE9 \x96 not found");  // in the active code page
            EXPECT_EQ(failure.Scode(), static_cast<HResult>(0x80040107));
        } catch (const OleStatusFailure& failure) {
            EXPECT_FALSE(c.dispatchException);
            EXPECT_EQ(failure.Status(), c.status);
        }
    }
    object_.status = kFalse;  // a success code, however odd
    EXPECT_NO_THROW(Call(ref_, 0x51));
    object_.lastArgs.clear();
    EXPECT_NE(std::string(OleStatusFailure(kDispMemberNotFound).what()).find("0x80020003"),
              std::string::npos);
}

TEST_F(InvokeTest, TypedGetsConvertTheResult) {
    object_.returns = Variant(u"12");
    EXPECT_EQ(GetInt(ref_, 0x50), 12);
    EXPECT_EQ(object_.lastKind, InvokeKind::Get);
    object_.returns = Variant(u"M\u00fcller \u20ac");
    EXPECT_EQ(GetText(ref_, 0x3001), "M\xFCller \x80");
    object_.returns = Variant(int32_t{-1});
    EXPECT_TRUE(GetBool(ref_, 0xD));
    object_.returns = Variant(Date{36526.5});
    EXPECT_EQ(GetDate(ref_, 0x8005), 36526.5);
    object_.returns = Variant(u"not a date");
    EXPECT_THROW(GetDate(ref_, 0x8005), OleStatusFailure);
}

TEST_F(InvokeTest, GetObjectKeepsNothingAndRejectsNonObjects) {
    FakeDispatch child;
    object_.returns = Variant(DispatchRef::Share(&child));
    {
        const DispatchRef got = GetDispatch(ref_, 0x3100);
        EXPECT_EQ(got.Get(), &child);
    }
    object_.returns = Variant(DispatchRef());  // the server's Nothing
    EXPECT_FALSE(GetDispatch(ref_, 0x56));
    EXPECT_EQ(child.references, 1);

    object_.returns = Variant(int32_t{0});
    try {
        GetDispatch(ref_, 0x3100);
        FAIL() << "no failure";
    } catch (const OleStatusFailure& failure) {
        EXPECT_EQ(failure.Status(), kDispTypeMismatch);
    }
}

// Catches a comparison that stops at the characters: two texts that differ
// only where the code page has no byte are the same text, ASCII never is.
TEST(SameTextTest, ComparesTheTextsTheCodePageGives) {
    const struct {
        std::u16string_view a, b;
        bool same;
    } cases[] = {
        {u"12 Elm St", u"12 Elm St", true},
        {u"12 Elm St", u"12 Elm Sq", false},
        {u"12 Elm St", u"12 Elm St ", false},
        {u"", u"", true},
        {u"M\u00fcller", u"Muller", false},
        {u"\u0141od\u017A", u"?od?", true},            // neither letter is in 1252
        {u"\u0141od\u017A", u"\u0104od\u0179", true},  // nor these
        {u"a\U0001F600b", u"a?b", true},               // a surrogate pair is one '?'
        {u"a\U0001F600b", u"a??b", false},
        {u"a\u0080", u"a?", true},  // a C1 control is not ASCII, and 1252 has no byte for this one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a.begin(), c.a.end()));
        EXPECT_EQ(SameText(Variant(std::u16string(c.a)), Variant(std::u16string(c.b))), c.same);
    }
    EXPECT_TRUE(SameText(Variant(int32_t{12}), Variant(std::u16string(u"12"))));
}

}  // namespace
}  // namespace tarnex::automation
