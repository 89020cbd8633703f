// Keys an author or another tool stored in a page's sections that the
// editor's objects do not write themselves (the player's "cursor", a newer
// version's settings): found once a page is loaded, kept by each object and
// written back with it, so opening and saving never loses them.
#pragma once

class CBrowser;
class CDataFile;

// Compares the stored page with what its loaded objects would write now and
// gives every object the stored lines of its section whose keys it did not
// write.
void KeepUnwrittenKeys(CBrowser* page, const CDataFile& stored);
