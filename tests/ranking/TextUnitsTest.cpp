// Shift-JIS conversion and what the text boxes admit of typed text.

#include <gtest/gtest.h>

#include <algorithm>

#include "ranking/ShiftJis.h"
#include "ranking/TypedText.h"
#include "ranking/Utf8.h"

namespace {

using namespace ranking;

TEST(ShiftJisTest, ConvertsBothWaysIncludingHalfWidthKanaAndAsciiSigns) {
    const std::string text = "太郎\\~ｲﾝﾀｰ－";
    const std::string bytes = ToShiftJis(text);
    EXPECT_EQ(bytes, "\x91\xbe\x98\x59\\~\xb2\xdd\xc0\xb0\x81\x7c");
    EXPECT_EQ(FromShiftJis(bytes), text);
}

TEST(ShiftJisTest, RefusesCharactersWithoutAForm) {
    EXPECT_THROW(ToShiftJis("ok€"), EConvertError);
    EXPECT_THROW(ToShiftJis("😀"), EConvertError);
    EXPECT_FALSE(HasShiftJisForm(U'€'));
    EXPECT_TRUE(HasShiftJisForm(U'ﾗ'));
}

TEST(ShiftJisTest, BytesThatStartNoCharacterReadAsMiddleDots) {
    EXPECT_EQ(FromShiftJis("a\x80"
                           "b\x81"),
              "a・b・");
    EXPECT_EQ(FromShiftJis("\xfd\x82\xa0"), "・あ");
}

TEST(ShiftJisTest, RepertoireHoldsEveryKindOfCharacterOnce) {
    const auto repertoire = ShiftJisRepertoire();
    for (char32_t character : {U'A', U'ｱ', U'あ', U'漢', U'＼', U'①'}) {
        EXPECT_TRUE(std::ranges::binary_search(repertoire, character))
            << static_cast<std::uint32_t>(character);
    }
    EXPECT_FALSE(std::ranges::binary_search(repertoire, U'€'));
    EXPECT_EQ(std::ranges::adjacent_find(repertoire), repertoire.end());
    EXPECT_GT(repertoire.size(), 7000u);
}

TEST(Utf8Test, BadBytesDecodeAsReplacementCharacters) {
    EXPECT_EQ(DecodeUtf8("a\xff\xe3\x81"), U"a\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xc0\xaf"), U"\uFFFD\uFFFD");  // an overlong "/"
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("あ€😀")), "あ€😀");
}

TEST(TypedTextTest, TakesOnlyCharactersWithAShiftJisFormUpToTheRoom) {
    EXPECT_EQ(AdmitTyped(U"a€b\tc😀d", 10), U"abcd");
    EXPECT_EQ(AdmitTyped(U"あいうえおかきくけこさ", 10), U"あいうえおかきくけこ");
    EXPECT_EQ(AdmitTyped(U"€abc", 2), U"ab");
}

TEST(TypedTextTest, AnEditInsertsOnlyWhatFitsWhereverItHappens) {
    // Typing in the middle of a full box changes nothing.
    AdmittedEdit full = AdmitEdit(U"0123456789", U"01234x56789", 10);
    EXPECT_EQ(full.text, U"0123456789");
    EXPECT_EQ(full.caret, 5u);
    // A paste over a selection is cut to the room that is left.
    AdmittedEdit paste = AdmitEdit(U"abcdef", U"aXYZWVUTSRQPf", 10);
    EXPECT_EQ(paste.text, U"aXYZWVUTSf");
    EXPECT_EQ(paste.caret, 9u);
    // An input method's commit loses the characters without a form.
    EXPECT_EQ(AdmitEdit(U"ab", U"ab漢€字", 40).text, U"ab漢字");
    // A longer text put in by the program can still be shortened, but not lengthened.
    const std::u32string remembered = U"twelve chars";
    EXPECT_EQ(AdmitEdit(remembered, U"twelvechars", 10).text, U"twelvechars");
    EXPECT_EQ(AdmitEdit(remembered, U"twelve charsX", 10).text, remembered);
}

}  // namespace
