// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/shown_text.h"

#include <gtest/gtest.h>

using milora::safe_text;
using milora::shown_text;

// Whatever a file holds, what reaches a terminal or a message can neither move the cursor, nor
// retitle the window, nor start a control sequence in an 8-bit terminal.
TEST(SafeTextTest, ControlsOfEveryFormBecomeVisibleMarks) {
    EXPECT_EQ(safe_text("\x1b]0;owned\x07"), "?]0;owned?");
    EXPECT_EQ(safe_text("a\x7f"
                        "b"),
              "a?b");
    EXPECT_EQ(safe_text("\xc2\x9b"
                        "2J"),
              "?2J"); // CSI as UTF-8
    EXPECT_EQ(safe_text("\x9b"
                        "2J"),
              "\xef\xbf\xbd"
              "2J");                                              // CSI as a lone byte
    EXPECT_EQ(safe_text("\xc0\x9b"), "\xef\xbf\xbd\xef\xbf\xbd"); // an overlong form
    EXPECT_EQ(safe_text("\xed\xa0\x80"), "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"); // a surrogate
    EXPECT_EQ(safe_text("ao\xfbt"), "ao\xef\xbf\xbdt");                           // Latin-1
}

TEST(SafeTextTest, TextAndLineFeedsStayAsTheyAre) {
    EXPECT_EQ(safe_text("3 f\xc3\xa9vr\n\xe2\x82\xac 4 \xf0\x9f\x9a\x97"),
              "3 f\xc3\xa9vr\n\xe2\x82\xac 4 \xf0\x9f\x9a\x97");
    EXPECT_EQ(safe_text(""), "");
}

TEST(ShownTextTest, CutsAtACharacterAndKeepsTheQuoteOnOneLine) {
    EXPECT_EQ(shown_text("line\none", 32), "line?one");
    EXPECT_EQ(shown_text("\xc2\x9b"
                         "abc",
                         32),
              "?abc");
    EXPECT_EQ(shown_text("\xc3\xa9\xc3\xa9\xc3\xa9", 3), "\xc3\xa9...");
    EXPECT_EQ(shown_text("abcdef", 6), "abcdef");
}
