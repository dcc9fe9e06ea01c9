#include "accessibility.h"

#include <initguid.h>
#include <oleacc.h>

namespace quotara {
namespace {

// One service for the program's life, made on first use.
IAccPropServices* services() {
    static IAccPropServices* made = [] {
        IAccPropServices* service = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&service)))) {
            service = nullptr;
        }
        return service;
    }();
    return made;
}

}  // namespace

bool setAccessibleName(HWND control, const std::wstring& name) {
    IAccPropServices* service = services();
    return service != nullptr &&
           SUCCEEDED(service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                             CHILDID_SELF, PROPID_ACC_NAME, name.c_str()));
}

}  // namespace quotara
