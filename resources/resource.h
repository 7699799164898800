// Identifiers shared by the resource script and the program.
#pragma once

// Pictures (tile pictures are 101..244: IDB_PAI_FIRST + tile id, in rules/board.h)
#define IDB_BACKGROUND      246
#define IDB_OMIGOTO         248
#define IDB_TEZUMARI        249
// Each larger display scale's pictures, packed: IDR_ART_SETS + its percent (125..300),
// and apart, as it is needed only when a game is cleared, its cleared banner
#define IDR_ART_SETS        2000
#define IDR_ART_BANNERS     3000
#define IDR_MAIN_MENU       250
#define IDI_MAIN            251
#define IDD_ABOUT           253
#define IDD_RANKING         257
#define IDC_FINGER          313
#define IDD_SHORTCUT        318

// Child windows of the main window
#define ID_PAI_WINDOW       123
#define ID_OMIGOTO_WINDOW   124
#define ID_TEZUMARI_WINDOW  125

// Commands
#define IDM_NEW_GAME        40001
#define IDM_QUIT            40002
#define IDM_UNDO            40003
#define IDM_HINT            40005
#define IDM_ABOUT           40007
#define IDM_HELP            40008
#define IDM_HOMEPAGE        40011
#define IDM_RESTART         40014
#define IDM_RANKING         40015
#define IDM_MODE_NORMAL     40016
#define IDM_MODE_EASY       40017
#define IDM_SOUND_ON        40018
#define IDM_SOUND_OFF       40019

// Shortcut dialog boxes
#define IDC_SHORTCUT_DESKTOP    1055
#define IDC_SHORTCUT_STARTMENU  1056
#define IDC_SHORTCUT_STARTUP    1057

// The About box's icon
#define IDC_ABOUT_ICON          1058

// Ranking dialog boxes: rank n (1..10) uses FIRST + n - 1
#define IDC_RANK_NAME_FIRST     1015
#define IDC_RANK_DATE_FIRST     1025
#define IDC_RANK_TIME_FIRST     1045
