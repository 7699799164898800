// The About box as a player meets it, and the centring every dialog relies on.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include <vector>

#include "about_dialog.h"
#include "app_identity.h"
#include "box_catcher.h"
#include "center_window.h"
#include "dialog_checks.h"
#include "main_window_harness.h"
#include "program_version.h"
#include "resource.h"
#include "shell_calls.h"

namespace {

// The version written in text after mark: its digits, dots and letters; empty when the
// text has no mark.
std::string version_after(const std::string& text, const char* mark) {
  const size_t at = text.find(mark);
  if (at == std::string::npos) return "";
  const size_t start = at + std::strlen(mark);
  return text.substr(start, text.find_first_not_of("0123456789.abcdefghijklmnopqrstuvwxyz", start) - start);
}

TEST(AboutDialog, ShowsIconTitleAndCreditStaysThroughEscAndClosesOnEnter) {
  bool closed_by_enter = false;
  BoxCatcher catcher([&](HWND dialog) {
    expect_dialog_frame(dialog, 137, 65, "バージョン情報", "ＭＳ Ｐゴシック", 11);
    expect_control_at(dialog, IDOK, 44, 42, 50, 14);
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetDlgItem(dialog, IDOK), GetFocus());

    HWND icon = child_at(dialog, 7, 7);
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(SS_ICON, GetWindowLongA(icon, GWL_STYLE) & SS_TYPEMASK);
    EXPECT_NE(0, SendMessageA(icon, STM_GETICON, 0, 0));

    HWND title = child_at(dialog, 28, 10);
    HWND credit = child_at(dialog, 50, 24);
    ASSERT_NE(nullptr, title);
    ASSERT_NE(nullptr, credit);
    EXPECT_EQ("『Kotopai』  Ver. " KOTOPAI_VERSION, window_text(title));
    const std::string credit_text = window_text(credit);
    EXPECT_EQ(0u, credit_text.rfind("by ", 0));
    // The credit must fit its line in the dialog's own font.
    HDC dc = GetDC(credit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    SIZE extent;
    GetTextExtentPoint32A(dc, credit_text.c_str(), static_cast<int>(credit_text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(credit, dc);
    RECT line;
    GetClientRect(credit, &line);
    EXPECT_LE(extent.cx, line.right);

    expect_stays_open_on_escape_and_close(dialog);
    press_dialog_key(dialog, VK_RETURN);
    closed_by_enter = !is_open(dialog);
  });
  EXPECT_EQ(1, run_dialog(IDD_ABOUT, about_dialog_proc, 0));
  EXPECT_TRUE(closed_by_enter);
}

// The version has one home, the CMake project's: the program's version record and
// manifest and the home page beside it carry it as the About box does.
TEST(AboutDialog, VersionRecordManifestAndHomePageCarryTheSameVersion) {
  // The game's files lie beside kotopai.exe in the build tree, two folders up.
  const std::wstring built = own_folder() + L"\\..\\..";
  const std::wstring program = built + L"\\kotopai.exe";
  DWORD ignored = 0;
  std::vector<char> record(GetFileVersionInfoSizeW(program.c_str(), &ignored));
  ASSERT_FALSE(record.empty());
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", &value, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  const WORD numbers[] = {KOTOPAI_VERSION_NUMBERS};
  for (DWORD high : {fixed->dwFileVersionMS, fixed->dwProductVersionMS})
    EXPECT_EQ(MAKELONG(numbers[1], numbers[0]), high);
  for (DWORD low : {fixed->dwFileVersionLS, fixed->dwProductVersionLS})
    EXPECT_EQ(MAKELONG(numbers[3], numbers[2]), low);
  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
    ASSERT_TRUE(VerQueryValueW(record.data(), key.c_str(), &value, &length)) << name;
    EXPECT_EQ(std::wstring(L"" KOTOPAI_VERSION_DOTTED), static_cast<const wchar_t*>(value)) << name;
  }

  HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, image);
  HRSRC manifest = FindResourceA(image, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  ASSERT_NE(nullptr, manifest);
  const std::string manifest_text(static_cast<const char*>(LockResource(LoadResource(image, manifest))),
                                  SizeofResource(image, manifest));
  FreeLibrary(image);
  EXPECT_EQ(KOTOPAI_VERSION_DOTTED, version_after(manifest_text, "name=\"Kotopai\" version=\""));

  EXPECT_EQ(KOTOPAI_VERSION, version_after(file_bytes(built + L"\\help\\home.htm"), "Ver. "));
}

TEST(CenterWindow, MovesAHiddenWindowToTheMiddleKeepingItsSizeAndHidden) {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  for (SIZE size : {SIZE{301, 201}, SIZE{780, 580}, SIZE{desktop.right + 101, 50}}) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 20, size.cx, size.cy, nullptr, nullptr,
                                  app_instance, nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0, center_window(window));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ((desktop.right - size.cx) / 2, rect.left);  // negative when wider: truncated toward 0
    EXPECT_EQ((desktop.bottom - size.cy) / 2, rect.top);
    EXPECT_EQ(size.cx, rect.right - rect.left);
    EXPECT_EQ(size.cy, rect.bottom - rect.top);
    EXPECT_FALSE(IsWindowVisible(window));
    DestroyWindow(window);
  }
}

}  // namespace
