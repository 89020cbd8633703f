// Reading back what an object put into a tree control, for the tests of
// the elements' AddToTree.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

struct TreeNode
{
    std::string label;
    int image;
    LPARAM data;
    std::vector<TreeNode> children;
    bool operator==(const TreeNode& o) const
    {
        return label == o.label && image == o.image && data == o.data && children == o.children;
    }
};

inline std::vector<TreeNode> ReadTree(HWND tree, HTREEITEM first)
{
    std::vector<TreeNode> nodes;
    for (HTREEITEM item = first; item != NULL;
         item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)item)) {
        char text[64] = "";
        TVITEMA info = {};
        info.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM;
        info.hItem = item;
        info.pszText = text;
        info.cchTextMax = sizeof(text);
        SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&info);
        HTREEITEM child = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)item);
        nodes.push_back({ text, info.iImage, info.lParam, ReadTree(tree, child) });
    }
    return nodes;
}

// The tree control comes from comctl32, which the model does not link.
inline HWND CreateTreeControl()
{
    HMODULE comctl = LoadLibraryA("comctl32.dll");
    typedef BOOL (WINAPI *InitFn)(const INITCOMMONCONTROLSEX*);
    InitFn init = comctl ? (InitFn)GetProcAddress(comctl, "InitCommonControlsEx") : NULL;
    if (init) {
        INITCOMMONCONTROLSEX controls = { sizeof(controls), ICC_TREEVIEW_CLASSES };
        init(&controls);
    }
    return CreateWindowExA(0, "SysTreeView32", "", WS_POPUP, 0, 0, 200, 200, NULL, NULL, NULL, NULL);
}

