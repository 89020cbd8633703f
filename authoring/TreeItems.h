// Filling the object trees (the action tree and the events page): the items
// under an object's own item.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

class CElement;

// Under item: a scriptable object's scripts and, for a container, its
// elements from the last to the first; a script's items in order.
void InsertChildItems(HWND tree, CElement* object, HTREEITEM item);

// What the objects' AddToTree would insert, taken down without a tree
// control: a message-only window that answers the insert message alone.
class CTreeRecorder
{
public:
    struct Item
    {
        int parent; // index of the parent item; -1 under the recording's root
        std::string text;
        int image;
        int selectedImage;
        LPARAM data;
    };

    CTreeRecorder();
    ~CTreeRecorder();
    CTreeRecorder(const CTreeRecorder&) = delete;
    CTreeRecorder& operator=(const CTreeRecorder&) = delete;

    // The window to hand to AddToTree, with the recording emptied; items
    // inserted under TVI_ROOT are the top level. NULL when it cannot be made.
    HWND Start();
    // FALSE when an insert was not one a plain list of items can stand for
    // (another place than the last, a text asked back later).
    BOOL IsFaithful() const { return m_faithful; }
    const std::vector<Item>& Items() const { return m_items; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HTREEITEM Insert(const TVINSERTSTRUCTA& insert);

    HWND m_window;
    std::vector<Item> m_items;
    BOOL m_faithful;
};

// When the items under item have the shape of the recording (the same
// items in the same order, with the same pictures), their data become the
// recorded objects and the labels that differ are set; TRUE. Otherwise
// FALSE, and nothing has changed.
BOOL UpdateChildItemsInPlace(HWND tree, HTREEITEM item, const CTreeRecorder& recording);
