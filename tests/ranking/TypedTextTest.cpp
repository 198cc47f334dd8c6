// What the text boxes admit of typed text.

#include <gtest/gtest.h>

#include "ranking/TypedText.h"

namespace {

using namespace ranking;

TEST(TypedTextTest, TakesOnlyCharactersWithAShiftJisFormUpToTheRoom) {
    EXPECT_EQ(admitTyped(U"a€b\tc😀d", 10), U"abcd");
    EXPECT_EQ(admitTyped(U"あいうえおかきくけこさ", 10), U"あいうえおかきくけこ");
    EXPECT_EQ(admitTyped(U"€abc", 2), U"ab");
}

TEST(TypedTextTest, AnEditInsertsOnlyWhatFitsWhereverItHappens) {
    // Typing in the middle of a full box changes nothing.
    AdmittedEdit full = admitEdit(U"0123456789", U"01234x56789", 10);
    EXPECT_EQ(full.text, U"0123456789");
    EXPECT_EQ(full.caret, 5u);
    // A paste over a selection is cut to the room that is left.
    AdmittedEdit paste = admitEdit(U"abcdef", U"aXYZWVUTSRQPf", 10);
    EXPECT_EQ(paste.text, U"aXYZWVUTSf");
    EXPECT_EQ(paste.caret, 9u);
    // An input method's commit loses the characters without a form.
    EXPECT_EQ(admitEdit(U"ab", U"ab漢€字", 40).text, U"ab漢字");
    // A longer text put in by the program can still be shortened, but not lengthened.
    const std::u32string remembered = U"twelve chars";
    EXPECT_EQ(admitEdit(remembered, U"twelvechars", 10).text, U"twelvechars");
    EXPECT_EQ(admitEdit(remembered, U"twelve charsX", 10).text, remembered);
}

}  // namespace
