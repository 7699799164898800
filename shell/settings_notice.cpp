// Telling the player, once in a run, that the settings file cannot be written:
// without a word, the ranking would seem kept and the first-run offer would come
// back at every start.
#include "settings_notice.h"
#include "modal_boxes.h"
#include "settings.h"
#include "settings_lock.h"
#include "settings_save.h"
#include "writable_file.h"

int settings_checks_left = 0;
int settings_told = 0;

namespace {

struct NoticeWords {
  const wchar_t* head;
  const char* file_name;   // the file it names
  const wchar_t* advice;
};

const wchar_t FOLDER_IN_THE_WAY[] = L"設定ファイルの保存に使う名前のフォルダがあります。";
const wchar_t MOVE_THE_FOLDER[] = L"このままでは設定とランキングが保存されません。\nこのフォルダを移すか、名前を変えてください。";

// What keeps a save as things are now: the file itself, then the file of the saves' turn.
FileFault settings_fault_now() {
  LongPath path;
  if (!ini_file_path(SETTINGS_FILE_NAME, &path)) return SAVE_NO_ROOM;
  const FileFault fault = file_fault(path.text);
  return fault != SAVE_OK ? fault : settings_lock_fault(path.text);
}

// What kept the last save lost or, with none lost, what keeps the next one.
NoticeWords words_for(FileFault fault) {
  switch (fault) {
    case SAVE_READ_ONLY:
      return {L"設定ファイルは読み取り専用になっています。", SETTINGS_FILE_NAME,
              L"このままでは設定とランキングが保存されません。\n"
              L"ファイルのプロパティで、読み取り専用のチェックを外してください。"};
    case SAVE_HELD:
      return {L"設定ファイルを、ほかのプログラムが使っています。", SETTINGS_FILE_NAME,
              L"その間の設定とランキングは保存されません。\n"
              L"そのプログラムを閉じてください。"};
    case SAVE_COPY_IN_THE_WAY:
      return {FOLDER_IN_THE_WAY, SETTINGS_COPY_NAME, MOVE_THE_FOLDER};
    case SAVE_LOCK_IN_THE_WAY:
      return {FOLDER_IN_THE_WAY, SETTINGS_LOCK_NAME, MOVE_THE_FOLDER};
    case SAVE_LOCK_HELD:
      return {L"設定ファイルの保存に使うファイルを、ほかのプログラムが使ったままになっています。", SETTINGS_LOCK_NAME,
              L"その間の設定とランキングは保存されません。\n"
              L"そのプログラムを閉じてください。\n動かなくなったこのゲームが、ほかに開いていないかも確かめてください。"};
    default:
      return {L"設定ファイルに書き込めません。", SETTINGS_FILE_NAME,
              L"このままでは設定とランキングが保存されません。\n"
              L"ゲームのフォルダを、書き込みのできる場所へ移してください。"};
  }
}

// The one box, owned by the main window, naming the file. In UTF-16, so the path
// reads as the folder is named, in any language.
void show_settings_notice(HWND window) {
  if (settings_told) return;
  settings_told = 1;
  const FileFault fault =
      settings_saves_lost > 0 && settings_save_fault != SAVE_OK ? settings_save_fault : settings_fault_now();
  const NoticeWords words = words_for(fault);
  LongPath path;
  ini_path(words.file_name, &path);
  show_path_message(window, words.head, path.text, words.advice, L"設定ファイル");
}

}  // namespace

// A virus scanner or a backup program that holds the file as the game starts lets
// go of it within a moment: the player is told only of a file that stays unwritable.
// The checks come from a timer, so the window's creation never waits for them.
void ask_for_settings_notice(HWND window) {
  settings_checks_left = 0;
  tell_lost_save(window);   // the first-run offer's choices
  if (settings_fault_now() == SAVE_OK) return;
  settings_checks_left = SETTINGS_CHECKS - 1;
  SetTimer(window, TIMER_SETTINGS_CHECK, SETTINGS_CHECK_PERIOD_MS, nullptr);
}

void settings_check_tick(HWND window) {
  if (modal_box_open()) return;   // a box shown now would be lost
  int tell = settings_saves_lost > 0;
  if (!tell && settings_checks_left > 0) {
    const int writable = settings_fault_now() == SAVE_OK;
    if (!writable && --settings_checks_left > 0) return;
    tell = !writable;
  }
  settings_checks_left = 0;
  KillTimer(window, TIMER_SETTINGS_CHECK);
  if (tell) show_settings_notice(window);
}

// A save lost to a file that another program holds for longer than a save waits is
// told as an unwritable file is: what the player believes kept was not.
void tell_lost_save(HWND window) {
  if (settings_saves_lost > 0 && !settings_told)
    SetTimer(window, TIMER_SETTINGS_CHECK, SETTINGS_CHECK_PERIOD_MS, nullptr);
}

// The main window is on its way out: the box stands on its own.
void tell_lost_save_at_close() {
  if (settings_saves_lost > 0 && !modal_box_open()) show_settings_notice(nullptr);
}

