// Picking tiles: the first pick, its cancel, a pair refused or accepted.
#include "pick.h"
#include "board.h"
#include "connection.h"
#include "hint.h"
#include "modal_boxes.h"
#include "removal.h"
#include "shell_state.h"
#include "sound.h"
#include "tile_pictures.h"
#include "tile_windows.h"

namespace {

int picture_of(int slot) { return IDB_PAI_FIRST + deal_table[slot]; }

void first_pick(HWND tile, HPALETTE palette, int slot) {
  play_cue("check");
  selected_slot = slot;
  hint_stop();
  pai_recolor_draw(tile, palette, picture_of(slot), MARK_NORMAL, MARK_HINT, MARK_SPARE,
                   MARK_SELECTED);
  slot_cell(slot).state = TILE_SELECTED;
}

void cancel_pick(HWND tile, HPALETTE palette, int slot) {
  selected_slot = NO_SELECTION;
  play_cue("cancel");
  pai_recolor_draw(tile, palette, picture_of(slot), MARK_SELECTED, 0, 0, MARK_NORMAL);
  slot_cell(slot).state = TILE_IN_PLACE;
}

// The path, if any, is drawn into surface by the connection test itself.
int second_pick(HWND tile, HPALETTE palette, HDC surface, int slot, int* first, int* second) {
  int picked = selected_slot;
  if (face_of(deal_table[picked]) != face_of(deal_table[slot])) return 0;
  if (!draw_connection(slot_x(picked), slot_y(picked), slot_x(slot), slot_y(slot), surface)) {
    show_modal_message(GetParent(tile), "取れません！", " ");
    return 0;
  }
  *first = picked;
  *second = slot;
  pai_recolor_draw(tile, palette, picture_of(slot), MARK_NORMAL, MARK_HINT, MARK_SPARE,
                   MARK_SELECTED);
  play_cue("check");
  record_removal(picked, slot);
  selected_slot = NO_SELECTION;
  return 1;
}

// Tiles being removed (the pair on show, and any hidden one) take no clicks.
int pickable(int slot) { return slot >= 0 && slot_cell(slot).state < TILE_REMOVED; }

}  // namespace

int slot_of_window(HWND tile) {
  for (int slot = 0; slot < TILE_COUNT; ++slot) {
    if (pai_windows[slot] == tile) return slot;
  }
  return -1;
}

int pick_tile(HWND tile, HPALETTE palette, HDC surface, int* first, int* second) {
  int slot = slot_of_window(tile);
  if (!pickable(slot)) return 0;
  if (selected_slot == NO_SELECTION) {
    first_pick(tile, palette, slot);
    return 0;
  }
  if (slot == selected_slot) {
    cancel_pick(tile, palette, slot);
    return 0;
  }
  return second_pick(tile, palette, surface, slot, first, second);
}

void on_pai_click(HWND main, HWND tile) {
  if (!pickable(slot_of_window(tile)) || !settle_before_input()) return;
  int first, second;
  if (pick_tile(tile, pai_palette, back_dc, &first, &second)) start_removal_delay(main, first, second);
}
