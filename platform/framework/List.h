// CList: a doubly linked list walked by POSITION, as the programs walk
// their lists (GetHeadPosition, then GetNext until the position is NULL).
#pragma once

#include <windows.h>

struct AfxPosition {};
typedef AfxPosition* POSITION;

class CObject;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList
{
    struct Node : AfxPosition
    {
        Node* next;
        Node* prev;
        TYPE data;
    };

public:
    CList() : m_head(NULL), m_tail(NULL), m_count(0) {}
    ~CList() { RemoveAll(); }

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return m_head->data; }
    const TYPE& GetHead() const { return m_head->data; }
    TYPE& GetTail() { return m_tail->data; }
    const TYPE& GetTail() const { return m_tail->data; }

    POSITION AddHead(ARG_TYPE item) { return InsertBefore(m_head, item); }
    POSITION AddTail(ARG_TYPE item) { return InsertAfter(m_tail, item); }
    TYPE RemoveHead() { TYPE item = m_head->data; RemoveAt(m_head); return item; }
    TYPE RemoveTail() { TYPE item = m_tail->data; RemoveAt(m_tail); return item; }
    void RemoveAll()
    {
        while (m_head)
        {
            Node* next = m_head->next;
            delete m_head;
            m_head = next;
        }
        m_tail = NULL;
        m_count = 0;
    }

    POSITION GetHeadPosition() const { return m_head; }
    POSITION GetTailPosition() const { return m_tail; }
    TYPE& GetNext(POSITION& pos) { Node* n = N(pos); pos = n->next; return n->data; }
    const TYPE& GetNext(POSITION& pos) const { Node* n = N(pos); pos = n->next; return n->data; }
    TYPE& GetPrev(POSITION& pos) { Node* n = N(pos); pos = n->prev; return n->data; }
    const TYPE& GetPrev(POSITION& pos) const { Node* n = N(pos); pos = n->prev; return n->data; }
    TYPE& GetAt(POSITION pos) { return N(pos)->data; }
    const TYPE& GetAt(POSITION pos) const { return N(pos)->data; }
    void SetAt(POSITION pos, ARG_TYPE item) { N(pos)->data = item; }

    // A NULL position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION pos, ARG_TYPE item)
    {
        Node* at = N(pos);
        Node* n = new Node{ {}, at, at ? at->prev : m_tail, item };
        if (!at)
            n->prev = NULL, n->next = m_head;
        Link(n);
        return n;
    }
    POSITION InsertAfter(POSITION pos, ARG_TYPE item)
    {
        Node* at = N(pos);
        Node* n = new Node{ {}, at ? at->next : NULL, at, item };
        if (!at)
            n->prev = m_tail, n->next = NULL;
        Link(n);
        return n;
    }
    void RemoveAt(POSITION pos)
    {
        Node* n = N(pos);
        (n->prev ? n->prev->next : m_head) = n->next;
        (n->next ? n->next->prev : m_tail) = n->prev;
        delete n;
        --m_count;
    }

    POSITION Find(ARG_TYPE item, POSITION startAfter = NULL) const
    {
        for (Node* n = startAfter ? N(startAfter)->next : m_head; n; n = n->next)
            if (n->data == item)
                return n;
        return NULL;
    }
    POSITION FindIndex(int index) const
    {
        if (index < 0)
            return NULL;
        Node* n = m_head;
        while (n && index-- > 0)
            n = n->next;
        return n;
    }

private:
    static Node* N(POSITION pos) { return static_cast<Node*>(pos); }
    void Link(Node* n)
    {
        (n->prev ? n->prev->next : m_head) = n;
        (n->next ? n->next->prev : m_tail) = n;
        ++m_count;
    }

    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    Node* m_head;
    Node* m_tail;
    int m_count;
};

typedef CList<void*, void*> CPtrList;
typedef CList<CObject*, CObject*> CObList;

// A list of pointers to one class, as the document keeps its views.
template <class BASE_LIST, class TYPE>
class CTypedPtrList : public CList<TYPE, TYPE>
{
};
