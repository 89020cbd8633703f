// Results of the by-name property protocol both element families answer
// with (the numbers are what callers see).
#pragma once

enum PropertyResult
{
    PropertyDone = 0,
    PropertyNotHandled = 1,    // left to the caller (the player's own lookups)
    PropertyUnknownName = 3,
    PropertyWrongType = 6      // the VARIANT's type is not the property's
};
