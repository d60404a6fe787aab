#include <windows.h>

#include <gtest/gtest.h>

// Every text of the program is Shift-JIS: a broken locale must fail loudly.
TEST(Locale, AnsiCodePageIsShiftJis) {
  EXPECT_EQ(GetACP(), 932u);
  // A literal of this binary and the system's conversion agree.
  const char text[] = "ぬべら";
  wchar_t wide[8] = {};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 8), 4);
  EXPECT_EQ(wide[0], 0x306C);
  EXPECT_EQ(wide[1], 0x3079);
  EXPECT_EQ(wide[2], 0x3089);
}

// The caption buttons are glyphs of the Marlett font: without it they show
// its letters 0, 1 and r. The prefix set-up puts Wine's own fonts in place.
TEST(Locale, MarlettDrawsTheCaptionButtons) {
  HDC dc = GetDC(nullptr);
  LOGFONTA lf = {};
  lf.lfHeight = -12;
  lf.lfCharSet = SYMBOL_CHARSET;
  lstrcpyA(lf.lfFaceName, "Marlett");
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ old = SelectObject(dc, font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc, sizeof face, face);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  EXPECT_STREQ(face, "Marlett");
}
