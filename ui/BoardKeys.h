#pragma once

namespace velmora::ui {

// Where a key moves the keyboard focus on the board, as the slots lie: four rows of 11 and a
// last row of 8. Left and Right run on across the rows' ends; Down from a slot with nothing
// under it (the last three of row 4) goes to the short row's last slot; Home and End keep to
// the row, and with Ctrl go to slots 1 and 52. Returns 0 for a key that moves nothing.
int SlotAfterKey(int slot, int key, bool control);

}  // namespace velmora::ui
