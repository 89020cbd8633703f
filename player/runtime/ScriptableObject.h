// CScriptableObject (run-time): an element with scripts that answer events
// and properties that actions read and write by name.
#pragma once

#include "player/runtime/Element.h"

#include <oleauto.h>
#include <vector>

#include "model/store/PropertyResult.h"

namespace Tarvex {

class CScript;

// One named property bound to a field, for the classes' property tables.
struct CPropertyBinding
{
    enum Kind
    {
        Int,      // int field, VT_I4
        Colour,   // COLORREF field, put as VT_UI4, answered as VT_I4
        Flag,     // int field, put as VT_BOOL (stored -1/0), answered as VT_I4
        Text,     // CStr field, VT_BSTR
        Real,     // double field, VT_R8
    };
    const char* name;
    Kind kind;
    void* field;
};

class CScriptableObject : public CElement
{
public:
    CScriptableObject(const char* section, CElement* parent);
    CScriptableObject(const CScriptableObject& other);
    ~CScriptableObject() override;

    // "mouseMoveable", "numScripts" and each "Script_%d" (or
    // "<section>_Script_%d"), then the base keys.
    BOOL Load(const CDataFile& file) override;
    // Inside GetRect().
    BOOL HitTest(POINT point) const override;

    // name compared ignoring case; the VARIANT must carry the property's
    // type for a get as for a put. Results: PropertyDone, PropertyUnknownName,
    // PropertyWrongType; the base answers PropertyNotHandled.
    virtual int AccessProperty(const char* name, VARIANT* value, BOOL put);
    virtual void OnPropertiesChanged() {}
    // Runs the first script whose name equals name exactly; TRUE.
    virtual BOOL RunScript(const char* name);
    // Names no class knows; nonzero: not handled.
    virtual int PutExtraProperty(const char* name, VARIANT* value);
    virtual int GetExtraProperty(const char* name, VARIANT* value);

    void FireOnLoad() { RunScript("OnLoad"); }
    void FireOnUnload() { RunScript("OnUnload"); }

    int GetScriptCount() const { return (int)m_scripts.size(); }
    CScript* GetScript(int index) const { return m_scripts[index]; }
    // The first script whose name equals name exactly; NULL when none.
    CScript* FindScript(const char* name) const;
    // Takes ownership and sets the script's parent.
    void AppendScript(CScript* script);

    // Scripts running now, counting nested runs; 0 between messages.
    static int GetRunDepth();
    // Called once each time the outermost script run has returned.
    static void SetOutermostRunEndHandler(void (*handler)());
    // Brackets a script run that does not go through RunScript (PreLoad).
    static void EnterRun();
    static void LeaveRun();

protected:
    // The shared protocol over a class's table: -1 when the name is not in
    // it, else the result (OnPropertiesChanged has run after a put).
    int AccessBoundProperty(const CPropertyBinding* table, int count, const char* name, VARIANT* value, BOOL put);
    // The table, then the extra-property hooks.
    int AccessPropertyTable(const CPropertyBinding* table, int count, const char* name, VARIANT* value, BOOL put);

    std::vector<CScript*> m_scripts;

private:
    CScriptableObject& operator=(const CScriptableObject&);
};

} // namespace Tarvex
