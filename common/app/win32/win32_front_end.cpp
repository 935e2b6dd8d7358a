#include "common/app/win32/win32_front_end.h"

// windows.h comes first: the other system headers need its types.
#include <windows.h>

#include <commctrl.h>
#include <shobjidl.h>

#include "common/app/win32/win32_text.h"

namespace common {

void StartWin32FrontEnd() {
  static bool started = false;
  if (started) return;
  started = true;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
}

std::optional<std::string> AskForFolder(const std::wstring& title, const std::string& start) {
  StartWin32FrontEnd();
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  std::optional<std::string> chosen;
  IFileOpenDialog* dialog = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IFileOpenDialog, reinterpret_cast<void**>(&dialog)))) {
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(title.c_str());
    if (!start.empty()) {
      IShellItem* folder = nullptr;
      if (SUCCEEDED(::SHCreateItemFromParsingName(win32::Utf8ToWide(start).c_str(), nullptr,
                                                  IID_IShellItem,
                                                  reinterpret_cast<void**>(&folder)))) {
        dialog->SetFolder(folder);
        folder->Release();
      }
    }
    IShellItem* result = nullptr;
    if (SUCCEEDED(dialog->Show(nullptr)) && SUCCEEDED(dialog->GetResult(&result))) {
      wchar_t* path = nullptr;
      if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        chosen = win32::WideToUtf8(path);
        ::CoTaskMemFree(path);
      }
      result->Release();
    }
    dialog->Release();
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return chosen;
}

}  // namespace common
