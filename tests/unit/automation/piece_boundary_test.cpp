// Text reaches a record field in pieces: the backend converts a few KB at a
// time and the field writers escape, rewrite and cut each piece as it comes.
// Whatever needs more than one byte of look-ahead (CR LF, "END:VBODY", a
// double-byte character, the cut) must come out the same when a piece
// boundary falls inside it. Each case is placed so that its bytes straddle
// the backend's first piece boundary at every offset, and the field is
// compared with the whole text treated at once by the plain rules below.
// Runs on both backends (windows/test.sh runs it with 1252 and with 932).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "automation/code_page.h"
#include "code_page_cases.h"
#include "codec/body_text.h"
#include "codec/field_value.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "automation/inproc/active_code_page.h"
#endif

namespace tarnex::automation {
namespace {

using test_cases::Direction;

// Makes page the active code page for the scope; false when the backend
// cannot (Windows runs with the page the process started with).
class ActivePage {
public:
    explicit ActivePage(std::uint32_t page) {
#if defined(_WIN32)
        selected_ = GetACP() == page;
#else
        selected_ = inproc::SelectCodePage(page);
#endif
    }
    ~ActivePage() {
#if !defined(_WIN32)
        inproc::SelectCodePage(1252);
#endif
    }
    ActivePage(const ActivePage&) = delete;
    ActivePage& operator=(const ActivePage&) = delete;
    bool Selected() const { return selected_; }

private:
    bool selected_ = false;
};

// Records the pieces, optionally passing them on.
class PieceLog final : public AnsiSink {
public:
    explicit PieceLog(AnsiSink* next = nullptr) : next_(next) {}
    bool Take(std::string_view bytes) override {
        pieces.emplace_back(bytes);
        return next_ == nullptr || next_->Take(bytes);
    }
    std::string Joined() const {
        std::string all;
        for (const std::string& piece : pieces) all += piece;
        return all;
    }
    std::vector<std::string> pieces;

private:
    AnsiSink* next_;
};

// The size of the first piece of a long ASCII text: where this backend cuts.
std::size_t PieceSize() {
    PieceLog log;
    WideToAnsiInto(1252, std::u16string(20000, u'a'), log);
    return log.pieces.empty() ? 0 : log.pieces.front().size();
}

bool IsCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The rules of the field writers applied to the whole text at once.
std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

std::string EscapedField(std::string value, std::size_t fieldSize, bool separator, bool doubleByte) {
    value = value.substr(0, value.find('\0'));
    value = Replaced(value, "\\", "\\\\");
    value = Replaced(value, ";", "\\;");
    value = Replaced(value, "\r\n", "=0D=0A=\n");
    const std::size_t room = fieldSize - (separator ? 2 : 1);
    if (value.size() > room) {
        std::size_t keep = 0;
        while (keep < room) {
            const bool lead = doubleByte && IsCp932Lead(static_cast<unsigned char>(value[keep]));
            if (lead && keep + 1 == room) break;
            keep += lead ? 2 : 1;
        }
        value.resize(keep);
    }
    return separator ? value + ";" : value;
}

std::string BodyField(const std::string& body, std::size_t fieldSize) {
    const std::string text = Replaced(Replaced(body, "END:VBODY", "/END:VBODY"), "\r\n", "\n");
    return text.substr(0, fieldSize - 1);
}

std::u16string Widened(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string Hex(std::string_view bytes) {
    std::string out;
    for (unsigned char b : bytes) {
        char two[4];
        std::snprintf(two, sizeof two, "%02X ", b);
        out += two;
    }
    return out;
}

// The first differing offset and the bytes around it, when they differ.
::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    const std::size_t from = at < 8 ? 0 : at - 8;
    return ::testing::AssertionFailure()
           << "sizes " << actual.size() << " and " << expected.size() << ", first difference at " << at
           << ": " << Hex(actual.substr(from, 24)) << "instead of " << Hex(expected.substr(from, 24));
}

// Catches a piece that ends inside a character and bytes lost, doubled or
// reordered where one piece ends and the next begins: every row of the code
// page table, placed across the boundary at each offset.
TEST(PieceBoundary, CodePageRowsAcrossTheBoundary) {
    const std::size_t piece = PieceSize();
    ASSERT_GT(piece, 16u);
    for (const test_cases::CodePageCase& c : test_cases::kCodePageCases) {
        if (c.direction == Direction::ToWide) continue;
        for (std::size_t before = piece - c.wide.size() - 1; before <= piece + 1; ++before) {
            SCOPED_TRACE(std::string(c.name) + " (" + std::to_string(c.codePage) + ") at " +
                         std::to_string(before));
            const std::u16string wide = std::u16string(before, u'x') + std::u16string(c.wide) + u"yz";
            const std::string ansi = std::string(before, 'x') + std::string(c.ansi) + "yz";
            PieceLog log;
            WideToAnsiInto(c.codePage, wide, log);
            ASSERT_TRUE(SameBytes(log.Joined(), ansi));
            std::size_t end = 0;
            for (const std::string& p : log.pieces) {
                end += p.size();
                if (c.codePage != 932) continue;
                std::size_t at = 0;  // a character boundary at or past end
                while (at < end) at += IsCp932Lead(static_cast<unsigned char>(ansi[at])) ? 2 : 1;
                EXPECT_EQ(at, end) << "a piece ends inside a character";
            }
        }
    }
}

// Catches escapes, soft line breaks, "END:VBODY" and cuts that are decided
// on one piece alone: each sequence at every offset across the boundary,
// into fields that take it whole and fields that end exactly at, one byte
// before and one byte after the boundary.
TEST(PieceBoundary, FieldWritersAcrossTheBoundary) {
    const std::size_t piece = PieceSize();
    ASSERT_GT(piece, 16u);
    const std::string kTail = "yz" + std::string(40, 'z');  // the text always goes on past the boundary
    const struct {
        const char* name;
        std::uint32_t codePage;
        std::u16string_view wide;
    } cases[] = {
        {"CR LF", 1252, u"\r\n"},
        {"CR LF behind a CR", 1252, u"\r\r\n"},
        {"lone CR", 1252, u"\rq"},
        {"END:VBODY", 1252, u"END:VBODY"},
        {"a start of END:VBODY that is not", 1252, u"END:VBOX"},
        {"E behind a start of END:VBODY", 1252, u"ENEND:VBODY"},
        {"backslash", 1252, u"\\"},
        {"semicolon", 1252, u";"},
        {"escape pairs side by side", 1252, u"\\;\\"},
        {"zero ends the value", 1252, std::u16string_view(u"a\0;b", 4)},
        {"double-byte character", 932, u"\u65E5"},
        {"double-byte characters with a 0x5C trail", 932, u"\u8868\u30BD;"},
        {"double-byte character behind CR LF", 932, u"\r\n\u65E5"},
    };
    for (const auto& c : cases) {
        const ActivePage page(c.codePage);
        if (!page.Selected()) continue;
        const bool doubleByte = c.codePage == 932;
        int straddles = 0;
        // A piece ends early when a character that is not ASCII is near:
        // the placements reach back far enough for the case to meet it.
        for (std::size_t before = piece - 24; before <= piece + 1; ++before) {
            const std::u16string wide =
                Widened(std::string(before, 'x')) + std::u16string(c.wide) + Widened(kTail);
            const std::string ansi = WideToAnsiIn(c.codePage, wide);
            PieceLog log;
            WideToAnsiInto(kActiveCodePage, wide, log);
            ASSERT_GT(log.pieces.size(), 1u);
            const std::size_t boundary = log.pieces.front().size();
            const std::size_t caseBytes = ansi.size() - before - kTail.size();
            if (before <= boundary && boundary <= before + caseBytes) ++straddles;
            // Room ending before, at and behind the boundary; and room for all.
            for (const std::size_t fieldSize :
                 {boundary, boundary + 1, boundary + 2, boundary + 3, 2 * boundary}) {
                for (const bool separator : {false, true}) {
                    SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(before) + ", boundary " +
                                 std::to_string(boundary) + ", field " + std::to_string(fieldSize) +
                                 (separator ? " with separator" : ""));
                    std::string field(fieldSize + 1, '#');
                    field[0] = '\0';
                    codec::FieldValueWriter writer(field.data(), static_cast<std::int32_t>(fieldSize),
                                                   separator);
                    WideToAnsiInto(kActiveCodePage, wide, writer);
                    writer.Finish();
                    EXPECT_TRUE(
                        SameBytes(field.c_str(), EscapedField(ansi, fieldSize, separator, doubleByte)));
                    EXPECT_EQ(field.back(), '#') << "written past the field";
                }
                SCOPED_TRACE(std::string(c.name) + " body at " + std::to_string(before) + ", boundary " +
                             std::to_string(boundary) + ", field " + std::to_string(fieldSize));
                std::string field(fieldSize + 1, '#');
                codec::MessageBodyWriter writer(field.data(), fieldSize);
                WideToAnsiInto(kActiveCodePage, wide, writer);
                writer.Finish();
                EXPECT_TRUE(
                    SameBytes(std::string_view(field.data(), writer.Size()), BodyField(ansi, fieldSize)));
                EXPECT_EQ(field[writer.Size()], '\0');
                EXPECT_EQ(field.back(), '#') << "written past the field";
            }
        }
        EXPECT_GT(straddles, 0) << c.name << ": no placement met a piece boundary";
    }
}

// Catches a writer that decides a CR, or a start of "END:VBODY", by the
// bytes behind its piece: each piece ends where the bytes that follow it in
// memory would complete the sequence, and the next piece does not. The
// piece's last byte falls at every place of a block.
TEST(PieceBoundary, WritersNeverReadBehindThePiece) {
    const struct {
        std::string_view end, behind;
    } cases[] = {{"\r", "\n"}, {"E", "ND:VBODY"}, {"END:VBOD", "Y"}};
    for (const auto& c : cases) {
        for (std::size_t length = 0; length <= 40; ++length) {
            SCOPED_TRACE(std::to_string(length) + " bytes before " + Hex(c.end));
            const std::string memory = std::string(length, 'a') + std::string(c.end) + std::string(c.behind);
            const std::string_view piece(memory.data(), length + c.end.size());
            const std::string expected = std::string(piece) + "x";
            char body[128] = {};
            codec::MessageBodyWriter bodyWriter(body, sizeof body);
            bodyWriter.Take(piece);
            bodyWriter.Take("x");
            bodyWriter.Finish();
            EXPECT_EQ(std::string(body), expected);
            char value[128] = {};
            codec::FieldValueWriter valueWriter(value, sizeof value, false);
            valueWriter.Take(piece);
            valueWriter.Take("x");
            valueWriter.Finish();
            EXPECT_EQ(std::string(value), expected);
        }
    }
}

}  // namespace
}  // namespace tarnex::automation
