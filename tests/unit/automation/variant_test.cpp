#include "automation/variant.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "automation/failures.h"
#include "automation/invoke.h"
#include "fake_dispatch.h"

namespace tarnex::automation {
namespace {

using testing::FakeDispatch;

// Either the value a coercion gives or the status it fails with.
struct Fails {
    HResult status;
};
template <class T>
struct Case {
    std::string name;
    Variant input;
    std::variant<T, Fails> expected;
};

template <class T>
void RunCases(const std::vector<Case<T>>& cases, const std::function<T(const Variant&)>& coerce) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (const T* value = std::get_if<T>(&c.expected)) {
            EXPECT_EQ(coerce(c.input), *value);
            continue;
        }
        try {
            coerce(c.input);
            ADD_FAILURE() << "no failure";
        } catch (const OleStatusFailure& failure) {
            EXPECT_EQ(failure.Status(), std::get<Fails>(c.expected).status);
        }
    }
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(VariantTest, ToI4) {
    FakeDispatch object;
    RunCases<int32_t>(
        {
            {"empty", Variant(), 0},
            {"true is VARIANT_TRUE", Variant(true), -1},
            {"half rounds to even (down)", Variant(2.5), 2},
            {"half rounds to even (up)", Variant(3.5), 4},
            {"negative half", Variant(-2.5), -2},
            {"largest", Variant(2147483647.0), 2147483647},
            {"rounds past largest", Variant(2147483647.5), Fails{kDispOverflow}},
            {"smallest by rounding", Variant(-2147483648.5), std::numeric_limits<int32_t>::min()},
            {"below smallest", Variant(-2147483649.0), Fails{kDispOverflow}},
            {"not a number", Variant(kNaN), Fails{kDispOverflow}},
            {"text with blanks and sign", Variant(u" \t-12 "), -12},
            {"text fraction rounds", Variant(u"12.5"), 12},
            {"hex all bits is -1", Variant(u"&HFFFFFFFF"), -1},
            {"octal", Variant(u"&O17"), 15},
            {"octal has no digit 8", Variant(u"&O18"), Fails{kDispTypeMismatch}},
            {"text too large", Variant(u"3000000000"), Fails{kDispOverflow}},
            {"empty text", Variant(u""), Fails{kDispTypeMismatch}},
            {"trailing junk", Variant(u"12abc"), Fails{kDispTypeMismatch}},
            {"object", Variant(DispatchRef::Share(&object)), Fails{kDispTypeMismatch}},
        },
        [](const Variant& v) { return v.ToI4(); });
    EXPECT_EQ(object.references, 1);
}

TEST(VariantTest, ToBool) {
    FakeDispatch object;
    RunCases<bool>(
        {
            {"empty", Variant(), false},
            {"zero", Variant(int32_t{0}), false},
            {"nonzero", Variant(int32_t{5}), true},
            {"text true any case", Variant(u"tRUE"), true},
            {"text false", Variant(u"FALSE"), false},
            {"text other", Variant(u"yes"), Fails{kDispTypeMismatch}},
            {"object", Variant(DispatchRef::Share(&object)), Fails{kDispTypeMismatch}},
        },
        [](const Variant& v) { return v.ToBool(); });
}

TEST(VariantTest, ToDate) {
    RunCases<Date>(
        {
            {"empty is day 0", Variant(), Date{0.0}},
            {"first date", Variant(-657434.0), Date{-657434.0}},
            {"before the first date", Variant(-657435.0), Fails{kDispOverflow}},
            {"after the last date", Variant(2958466.0), Fails{kDispOverflow}},
            {"not a number", Variant(kNaN), Fails{kDispOverflow}},
            {"date text is not read", Variant(u"1/1/2000"), Fails{kDispTypeMismatch}},
        },
        [](const Variant& v) { return v.ToDate(); });
}

TEST(VariantTest, ToBstr) {
    FakeDispatch object;
    RunCases<std::u16string>(
        {
            {"i4 smallest", Variant(std::numeric_limits<int32_t>::min()), u"-2147483648"},
            {"true is its number", Variant(true), u"-1"},
            {"r8", Variant(1.5), u"1.5"},
            {"r8 fifteen digits", Variant(2.0 / 3.0), u"0.666666666666667"},
            {"date and time", Variant(Date{36526.5}), u"1/1/2000 12:00:00 PM"},
            {"date alone", Variant(Date{36526.0}), u"1/1/2000"},
            {"time alone", Variant(Date{0.25}), u"6:00:00 AM"},
            {"object", Variant(DispatchRef::Share(&object)), Fails{kDispTypeMismatch}},
        },
        [](const Variant& v) { return v.ToBstr(); });
}

// Item VARIANTs that are not objects end in the catch-all result, so they
// must not surface as OLE status failures.
TEST(VariantTest, ItemAsDispatchFailsOutsideTheOleFailures) {
    FakeDispatch object;
    const DispatchRef item = ItemAsDispatch(Variant(DispatchRef::Share(&object)));
    EXPECT_EQ(item.Get(), &object);
    EXPECT_EQ(object.references, 2);

    for (const Variant& bad : {Variant(), Variant(DispatchRef()), Variant(int32_t{3}), Variant(u"item")}) {
        SCOPED_TRACE(static_cast<int>(bad.Type()));
        try {
            ItemAsDispatch(bad);
            ADD_FAILURE() << "no failure";
        } catch (const OleStatusFailure&) {
            ADD_FAILURE() << "an OLE status failure";
        } catch (const std::runtime_error&) {
        }
    }
}

}  // namespace
}  // namespace tarnex::automation
