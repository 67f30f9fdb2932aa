#pragma once
// Runtime class information and dynamic creation.
//
// A class that the framework must create by name (document, frame, view)
// declares DECLARE_DYNCREATE(CMyClass) in its body and
// IMPLEMENT_DYNCREATE(CMyClass, CBaseClass) in its .cpp; its runtime class,
// RUNTIME_CLASS(CMyClass), then bears the class's name and creates objects
// with CreateObject(). DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC give the name and
// the base chain without creation.
#include "CString.h"

class CObject;

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    CObject* (*m_pfnCreateObject)();       // null: not dynamically creatable
    const CRuntimeClass* m_pBaseClass;     // null for CObject

    // A new object of this class, or null when the class cannot be created.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

// Root of the framework's classes that carry runtime class information.
class CObject
{
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                  \
public:                                                              \
    static const CRuntimeClass class##class_name;                    \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                \
    DECLARE_DYNAMIC(class_name)                                      \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)  \
    const CRuntimeClass class_name::class##class_name = {            \
        #class_name, pfnNew, RUNTIME_CLASS(base_class_name) };       \
    const CRuntimeClass* class_name::GetRuntimeClass() const         \
    {                                                                \
        return RUNTIME_CLASS(class_name);                            \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)               \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)             \
    CObject* class_name::CreateObject() { return new class_name; }   \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)
