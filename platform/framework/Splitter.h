// CSplitterWnd, static: a fixed grid of panes (ids from AFX_IDW_PANE_FIRST,
// row * 16 + column) with bars the user drags to change the sizes.
#pragma once

#include "platform/framework/Wnd.h"

#include <vector>

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();

    BOOL CreateStatic(CWnd* parent, int rows, int columns, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = AFX_IDW_PANE_FIRST);
    // A view of the class in pane (row, column), made for the context's
    // document; initialSize gives the column's width and the row's height.
    virtual BOOL CreateView(int row, int column, const CRuntimeClass* viewClass, SIZE initialSize,
                            CCreateContext* context);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    CWnd* GetPane(int row, int column) const;
    int IdFromRowCol(int row, int column) const { return AFX_IDW_PANE_FIRST + row * 16 + column; }
    BOOL IsChildPane(CWnd* wnd, int* row, int* column);
    void SetColumnInfo(int column, int ideal, int minimum);
    void GetColumnInfo(int column, int& current, int& minimum) const;
    void SetRowInfo(int row, int ideal, int minimum);
    void GetRowInfo(int row, int& current, int& minimum) const;
    virtual void RecalcLayout();
    // The next (or previous) pane's view becomes the frame's active view.
    void ActivateNext(BOOL previous = FALSE);

    // Commands of a pane's view reach its frame's routing through the view.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT keys, CPoint point);
    void OnMouseMove(UINT keys, CPoint point);
    void OnLButtonUp(UINT keys, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnCaptureChanged(CWnd* wnd);
    DECLARE_MESSAGE_MAP()

    struct Info
    {
        int ideal;
        int minimum;
        int current;
    };
    // The bar under the point: column bar (vertical) index, else -1.
    int HitColumnBar(CPoint point) const;
    int HitRowBar(CPoint point) const;
    int HitBar(const std::vector<Info>& parts, int coordinate) const;
    // The part before bar index ends at coordinate.
    void DragBar(std::vector<Info>& parts, int index, int coordinate);

    int m_nRows;
    int m_nCols;
    std::vector<Info> m_colInfo;
    std::vector<Info> m_rowInfo;
    int m_cxSplitter;
    int m_dragColumn;
    int m_dragRow;
};
