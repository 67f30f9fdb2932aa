// Runtime classes: names, the base chain and dynamic creation.
#include "FrameWnd.h"
#include "RuntimeClass.h"
#include "SampleView.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};

IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
};

IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(RuntimeClassTest, DynamicallyCreatableClassMakesObjectsOfItsOwnClass)
{
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CCircle)->CreateObject());
    ASSERT_NE(nullptr, pObject);
    EXPECT_STREQ("CCircle", pObject->GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
}

TEST(RuntimeClassTest, ClassWithoutDynamicCreationMakesNothing)
{
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_STREQ("CShape", RUNTIME_CLASS(CShape)->m_lpszClassName);
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(CShape)->m_pBaseClass);
}

TEST(RuntimeClassTest, FrameworkClassesCreateWithoutWindows)
{
    std::unique_ptr<CObject> pView(RUNTIME_CLASS(CSampleView)->CreateObject());
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CListView)));
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CView)));
    EXPECT_FALSE(pView->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    EXPECT_EQ(nullptr, static_cast<CWnd*>(static_cast<CView*>(pView.get()))->m_hWnd);
}
}
