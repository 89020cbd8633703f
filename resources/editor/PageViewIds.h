// Names of the page view's strings.
#pragma once

// "Position: [%d, %d] ..." in the status bar while objects move.
#define IDS_MOVE_POSITION 61229
