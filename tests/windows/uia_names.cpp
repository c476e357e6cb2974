// SPDX-License-Identifier: GPL-3.0-or-later
// What a Windows screen reader finds in the running program's window through
// UI Automation, as NVDA and Narrator read it: one line for each text box and
// button, "Edit" or "Button", its name and its value, a tab apart, in UTF-8.
// Where UI Automation stops, it says so on stderr.
// Usage: uia_names.exe   (with the window "Zarandola" open)
#include <initguid.h>
#include <uiautomation.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

// Takes the string and frees it.
std::string utf8(BSTR text) {
  std::string bytes;
  if (text) {
    const int length = static_cast<int>(SysStringLen(text));
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr));
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  }
  SysFreeString(text);
  return bytes;
}

std::string name_of(IUIAutomationElement* element) {
  BSTR name = nullptr;
  element->get_CurrentName(&name);
  return utf8(name);
}

// A text box's figure, as screen readers ask for it; empty, with a line on
// stderr the first time, where UI Automation cannot give it.
std::string value_of(IUIAutomationElement* element) {
  VARIANT value;
  VariantInit(&value);
  std::string text;
  const HRESULT result = element->GetCurrentPropertyValue(UIA_ValueValuePropertyId, &value);
  if (SUCCEEDED(result) && value.vt == VT_BSTR) text = utf8(SysAllocString(value.bstrVal));
  static bool told = false;
  if (FAILED(result) && !std::exchange(told, true))
    std::fprintf(stderr, "UI Automation stopped at GetCurrentPropertyValue(UIA_ValueValuePropertyId) (0x%08lx)\n",
                 static_cast<unsigned long>(result));
  VariantClear(&value);
  return text;
}

// Says where UI Automation stopped, and ends with status 1.
int stopped_at(const char* step, HRESULT result) {
  std::fprintf(stderr, "UI Automation stopped at %s (0x%08lx)\n", step, static_cast<unsigned long>(result));
  return 1;
}

}  // namespace

int main() {
  const HWND window = FindWindowW(nullptr, L"Zarandola");
  if (!window) return stopped_at("FindWindow", HRESULT_FROM_WIN32(GetLastError()));
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IUIAutomation* automation = nullptr;
  HRESULT result = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                    reinterpret_cast<void**>(&automation));
  if (FAILED(result)) return stopped_at("CoCreateInstance(CUIAutomation)", result);
  IUIAutomationElement* root = nullptr;
  if (FAILED(result = automation->ElementFromHandle(window, &root))) return stopped_at("ElementFromHandle", result);
  IUIAutomationCondition* everything = nullptr;
  automation->CreateTrueCondition(&everything);
  IUIAutomationElementArray* elements = nullptr;
  if (FAILED(result = root->FindAll(TreeScope_Descendants, everything, &elements)) || !elements)
    return stopped_at("FindAll", result);
  int count = 0;
  elements->get_Length(&count);
  int listed = 0;
  for (int i = 0; i < count; ++i) {
    IUIAutomationElement* element = nullptr;
    CONTROLTYPEID type = 0;
    if (FAILED(elements->GetElement(i, &element)) || FAILED(element->get_CurrentControlType(&type))) continue;
    if (type == UIA_EditControlTypeId || type == UIA_ButtonControlTypeId) {
      std::printf("%s\t%s\t%s\n", type == UIA_EditControlTypeId ? "Edit" : "Button", name_of(element).c_str(),
                  value_of(element).c_str());
      ++listed;
    }
    element->Release();
  }
  if (listed == 0) return stopped_at("the window's descendants: no text box or button among them", S_OK);
  return 0;
}
