// The ranking dialog: view mode (lParam 0) and entry mode (lParam = the cleared game's seconds).
#pragma once
#include <windows.h>

#include "ranking_table.h"

INT_PTR CALLBACK ranking_dialog_proc(HWND, UINT, WPARAM, LPARAM);   // dialog IDD_RANKING (257)

void ranking_fill(HWND dialog, const RankingTable* table);
