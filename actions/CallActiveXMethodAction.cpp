#include "actions/CallActiveXMethodAction.h"

#include "actions/ActionSupport.h"
#include "actions/ActionPageSupport.h"
#include "actions/ActiveXMethodPages.h"
#include "model/EditorServices.h"
#include "model/store/DataFile.h"

#include <new>

CCallActiveXMethodAction::CCallActiveXMethodAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "CallActiveXMethod");
}

CCallActiveXMethodAction::CCallActiveXMethodAction(const CCallActiveXMethodAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CCallActiveXMethodAction::~CCallActiveXMethodAction()
{
    DestroyMembers();
}

CElement* CCallActiveXMethodAction::Clone() const
{
    return new (std::nothrow) CCallActiveXMethodAction(*this);
}

BOOL CCallActiveXMethodAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName, m_strControlId);
    return CScriptItem::Load(file, keepId);
}

BOOL CCallActiveXMethodAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName, m_strControlId);
    return CScriptItem::Save(file);
}

std::vector<CActiveXMethodParameter> CCallActiveXMethodAction::GetParameterList() const
{
    std::vector<CActiveXMethodParameter> list;
    for (size_t i = 0; i < m_record.parameters.size(); i++)
    {
        const CCallParameterRecord& p = m_record.parameters[i];
        CActiveXMethodParameter parameter(p.name, p.type, p.optional);
        parameter.SetVarName(p.varName);
        parameter.SetConstValue(p.constValue);
        list.push_back(parameter);
    }
    return list;
}

void CCallActiveXMethodAction::SetParameterList(const std::vector<CActiveXMethodParameter>& list)
{
    m_record.parameters.clear();
    for (size_t i = 0; i < list.size(); i++)
    {
        CCallParameterRecord p;
        p.varName = list[i].GetVarName();
        p.constValue = list[i].GetConstValue();
        p.name = list[i].GetName();
        p.type = list[i].GetType();
        p.optional = list[i].IsOptional();
        m_record.parameters.push_back(p);
    }
}

BOOL CCallActiveXMethodAction::EditProperties(BOOL)
{
    CActiveXMethodPP page;
    // The object whose script holds the action; its page lists the controls.
    page.m_pTarget = GetScriptOwner(this);
    page.m_pPage = GetActionPage(page.m_pTarget);
    page.m_strControlId = m_strControlId;
    page.m_strMethod = m_record.method;
    page.m_strRetVariable = m_record.retVariable;
    page.m_numParameters = m_record.numParameters;
    page.m_returnType = m_record.returnType;
    page.m_parameters = GetParameterList();
    if (RunActionSheet(*this, { &page }) == IDCANCEL)
        return FALSE;
    m_strControlId = page.m_strControlId;
    m_record.method = page.m_strMethod;
    m_record.numParameters = page.m_numParameters;
    m_record.returnType = page.m_returnType;
    m_record.retVariable = page.m_strRetVariable;
    if (page.m_bParametersChosen)
        SetParameterList(page.m_parameters);
    return IsComplete();
}
