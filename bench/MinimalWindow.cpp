// The start-up baseline: the least a program like Korvane does before its
// window is up. One top-level window with a menu from the resources and a
// list view in list mode filling it; exits when closed.
#include <windows.h>

#include <commctrl.h>

namespace {

constexpr UINT kMenu = 1;
constexpr UINT kExit = 2;

HWND g_hWndList = nullptr;

LRESULT CALLBACK MinimalWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_hWndList = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                     WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SINGLESEL, 0, 0, 0, 0,
                                     hWnd, nullptr, nullptr, nullptr);
        return g_hWndList ? 0 : -1;
    case WM_SIZE:
        MoveWindow(g_hWndList, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kExit)
            DestroyWindow(hWnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    INITCOMMONCONTROLSEX icc{ sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES };
    InitCommonControlsEx(&icc);

    WNDCLASSA wc{};
    wc.lpfnWndProc = MinimalWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "KorvaneBenchMinimal";
    if (!RegisterClassA(&wc))
        return 1;
    const HWND hWnd = CreateWindowExA(0, wc.lpszClassName, "Minimal", WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 250, 200, nullptr,
                                      LoadMenuA(hInstance, MAKEINTRESOURCEA(kMenu)), hInstance,
                                      nullptr);
    if (!hWnd)
        return 1;
    ShowWindow(hWnd, nCmdShow);
    UpdateWindow(hWnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
