// The report the browser writes about the registered test control.
#pragma once

#include <string>

#include "tests/model/TestControlFixture.h"

inline std::string ExpectedTestControlReport(const std::string& serverPath)
{
    return std::string("Class ID: ") + kTestControlClsid + "\r\n" + "Prog ID:  " + kTestControlProgId + "\r\n" +
           "location: " + serverPath + "\r\n" +
           "\r\n\r\nMethods for Lumbrook Test Control\r\n\r\n"
           "  VT_I4 Add( VT_I4 a, VT_I4 b )\r\n"
           "  VT_BSTR Concat( VT_BSTR first, VT_VARIANT second )\r\n"
           "  VT_VOID Fire( VT_BSTR text, VT_I4 n )\r\n"
           "  VT_VOID Ping( )\r\n"
           "  VT_VOID oleDrag( )\r\n"
           "\r\n\r\nProperties for Lumbrook Test Control\r\n\r\n"
           "  Caption             \t VT_BSTR         Get, Put\r\n"
           "  FireCount           \t VT_I4           Get\r\n"
           "  FillColor           \t VT_I4           Put\r\n"
           "\r\n\r\nEvents for Lumbrook Test Control\r\n\r\n"
           "  OnFired\r\n"
           "  OnPinged\r\n";
}
