// A name box keeps the dialog's font while the name fits it. A longer name is drawn
// smaller, down to three quarters of that size: 9 points at the dialog's 12, the size
// of Windows' own Japanese interface text. Past that the letters are drawn narrower at
// that height, as Japanese print condenses a long line, rather than smaller still. The
// face that draws the name narrower of the two is taken: the dialog's proportional one
// for full-width letters, the fixed-pitch one for long runs of wide half-width letters
// (its half-width letters are half its full-width ones, so a name of 31 bytes is never
// wider than 15.5 full-width letters).
#include "name_font.h"

#include <cstdlib>

#include "ranking_table.h"
#include "wide_text.h"

namespace {

const wchar_t FIXED_PITCH_FACE[] = L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF";   // ＭＳ ゴシック

struct Text {
  wchar_t letters[RANKING_NAME_SIZE];
  int length;
};

// What the file will keep of the box's text: the part that must show whole.
Text kept_text(HWND box) {
  wchar_t typed[1024];
  GetWindowTextW(box, typed, 1024);
  char kept[RANKING_NAME_SIZE];
  wchar_t refused[2];
  sjis_from_typed(typed, kept, RANKING_NAME_SIZE, refused, 2);
  Text text;
  wide_copy_from_sjis(kept, text.letters, RANKING_NAME_SIZE);
  text.length = lstrlenW(text.letters);
  return text;
}

// The width between the box's margins, less a pixel for the caret after the last letter.
int room_in(HWND box) {
  RECT client;
  GetClientRect(box, &client);
  const LRESULT margins = SendMessageW(box, EM_GETMARGINS, 0, 0);
  return client.right - LOWORD(margins) - HIWORD(margins) - 1;
}

struct Drawn {
  int width;           // of the text
  int letter_width;    // the font's average letter
};

Drawn drawn_in(HDC dc, const LOGFONTW& look, const Text& text) {
  HFONT font = CreateFontIndirectW(&look);
  HGDIOBJ before = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.letters, text.length, &size);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, before);
  DeleteObject(font);
  return Drawn{size.cx, metrics.tmAveCharWidth};
}

int width_in(HDC dc, const LOGFONTW& look, const Text& text) { return drawn_in(dc, look, text).width; }

// The look that fits text into room, starting from the dialog's. Each step is measured
// as drawn, as no face's widths follow its size exactly.
LOGFONTW fitted_look(HDC dc, const LOGFONTW& dialog_look, const Text& text, int room) {
  LOGFONTW look = dialog_look;
  LOGFONTW fixed = dialog_look;
  lstrcpynW(fixed.lfFaceName, FIXED_PITCH_FACE, LF_FACESIZE);
  fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  int width = width_in(dc, look, text);
  const int fixed_width = width_in(dc, fixed, text);
  if (fixed_width > 0 && fixed_width < width) look = fixed, width = fixed_width;

  const int full = std::abs(dialog_look.lfHeight);
  const int readable = full * 3 / 4;
  int height = full * room / width;
  if (height < readable) height = readable;
  look.lfHeight = -height;
  while ((width = width_in(dc, look, text)) > room && height > readable) look.lfHeight = -(--height);
  if (width <= room) return look;

  int letter = drawn_in(dc, look, text).letter_width * room / width;
  for (look.lfWidth = letter > 1 ? letter : 1; look.lfWidth > 1 && width_in(dc, look, text) > room;)
    --look.lfWidth;
  return look;
}

}  // namespace

void fit_name_font(HWND box, HFONT* own) {
  HFONT dialog_font = reinterpret_cast<HFONT>(SendMessageW(GetParent(box), WM_GETFONT, 0, 0));
  LOGFONTW dialog_look = {};
  if (!dialog_font || !GetObjectW(dialog_font, sizeof dialog_look, &dialog_look)) return;
  const Text text = kept_text(box);
  const int room = room_in(box);
  HDC dc = GetDC(box);
  HFONT fitted = nullptr;
  if (room > 0 && width_in(dc, dialog_look, text) > room) {
    const LOGFONTW look = fitted_look(dc, dialog_look, text, room);
    fitted = CreateFontIndirectW(&look);
  }
  ReleaseDC(box, dc);
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(fitted ? fitted : dialog_font), TRUE);
  // A box scrolled while the name outgrew the font before stays scrolled: the caret's
  // trip to the first letter and back brings the name's start into view.
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessageW(box, EM_SETSEL, 0, 0);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  SendMessageW(box, EM_SETSEL, start, end);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  if (*own) DeleteObject(*own);
  *own = fitted;
}
