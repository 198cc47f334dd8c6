// UTF-8 and Shift-JIS conversion.

#include <gtest/gtest.h>

#include <algorithm>

#include "text/ShiftJis.h"
#include "text/Utf8.h"

namespace {

using namespace text;

TEST(ShiftJisTest, ConvertsBothWaysIncludingHalfWidthKanaAndAsciiSigns) {
    const std::string text = "太郎\\~ｲﾝﾀｰ－";
    const std::string bytes = toShiftJis(text);
    EXPECT_EQ(bytes, "\x91\xbe\x98\x59\\~\xb2\xdd\xc0\xb0\x81\x7c");
    EXPECT_EQ(fromShiftJis(bytes), text);
}

TEST(ShiftJisTest, RefusesCharactersWithoutAForm) {
    EXPECT_THROW(toShiftJis("ok€"), EConvertError);
    EXPECT_THROW(toShiftJis("😀"), EConvertError);
    EXPECT_FALSE(hasShiftJisForm(U'€'));
    EXPECT_TRUE(hasShiftJisForm(U'ﾗ'));
}

TEST(ShiftJisTest, BytesThatStartNoCharacterReadAsMiddleDots) {
    EXPECT_EQ(fromShiftJis("a\x80"
                           "b\x81"),
              "a・b・");
    EXPECT_EQ(fromShiftJis("\xfd\x82\xa0"), "・あ");
}

TEST(ShiftJisTest, StrictReadingRefusesWhatTheLenientOneDots) {
    EXPECT_EQ(tryFromShiftJis("\x91\xbe\x98\x59"), "太郎");
    EXPECT_EQ(tryFromShiftJis(""), "");
    EXPECT_EQ(tryFromShiftJis("a\x80"), std::nullopt);
    EXPECT_EQ(tryFromShiftJis("\x82"), std::nullopt);  // a lead byte cut off
}

TEST(ShiftJisTest, RepertoireHoldsEveryKindOfCharacterOnce) {
    const auto repertoire = shiftJisRepertoire();
    for (char32_t character : {U'A', U'ｱ', U'あ', U'漢', U'＼', U'①'}) {
        EXPECT_TRUE(std::ranges::binary_search(repertoire, character))
            << static_cast<std::uint32_t>(character);
    }
    EXPECT_FALSE(std::ranges::binary_search(repertoire, U'€'));
    EXPECT_EQ(std::ranges::adjacent_find(repertoire), repertoire.end());
    EXPECT_GT(repertoire.size(), 7000u);
}

TEST(Utf8Test, BadBytesReadAsTheChosenPolicySays) {
    EXPECT_EQ(decodeUtf8("a\xff\xe3\x81"), U"a\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xc0\xaf"), U"\uFFFD\uFFFD");            // an overlong "/"
    EXPECT_EQ(decodeUtf8("\xed\xa0\x80"), U"\uFFFD\uFFFD\uFFFD");  // a surrogate
    EXPECT_EQ(decodeUtf8("a\xff\xe3\x81", MalformedUtf8::KeepByte), U"a\xff\xe3\x81");
    EXPECT_EQ(encodeUtf8(decodeUtf8("あ€😀")), "あ€😀");
    EXPECT_EQ(decodeUtf8("あ€😀", MalformedUtf8::KeepByte), U"あ€😀");
}

}  // namespace
