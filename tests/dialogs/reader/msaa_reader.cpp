// A screen reader in a process of its own, for the dialog tests: what an
// MSAA client gets from a window of the sheet. Prints one line per answer,
// fields separated by tabs, and "end" after the last; hex numbers are states
// and results.
//   tree HWND    the client object and its descendants: depth, role, name,
//                value, state
//   listen HWND  "ready", then, once WM_QUIT has come (or 20 s), the focus,
//                selection, state and value events of HWND: event, child id,
//                name, value
//   act HWND     the client object's default action and the result of doing it
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "framework/text.h"

namespace {

using mervane::ToUtf8;

constexpr DWORD kListenMs = 20000;

VARIANT Child(long id) {
  VARIANT child = {};
  V_VT(&child) = VT_I4, V_I4(&child) = id;
  return child;
}

template <typename Getter>
std::string Text(Getter&& get) {
  BSTR text = nullptr;
  HRESULT result = get(&text);
  std::string out = FAILED(result) ? "!" + std::to_string(result)
                                   : ToUtf8(OString(text, SysStringLen(text)));
  for (char& c : out) c = c == '\t' || c == '\r' || c == '\n' ? ' ' : c;  // one line per answer
  SysFreeString(text);
  return out;
}

long Number(IAccessible* object, long id,
            HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT answer = {};
  bool got = SUCCEEDED((object->*get)(Child(id), &answer)) && V_VT(&answer) == VT_I4;
  return got ? V_I4(&answer) : -1;
}

void Describe(IAccessible* object, long id, int depth) {
  std::printf("%d\t%ld\t%s\t%s\t%lx\n", depth, Number(object, id, &IAccessible::get_accRole),
              Text([&](BSTR* t) { return object->get_accName(Child(id), t); }).c_str(),
              Text([&](BSTR* t) { return object->get_accValue(Child(id), t); }).c_str(),
              static_cast<unsigned long>(Number(object, id, &IAccessible::get_accState)));
}

// As readers walk: AccessibleChildren, objects recursed into, simple
// elements described by their parent.
void Walk(IAccessible* object, int depth) {
  Describe(object, CHILDID_SELF, depth);
  long count = 0;
  if (FAILED(object->get_accChildCount(&count)) || count <= 0 || depth > 4) return;
  std::vector<VARIANT> children(static_cast<size_t>(count));
  long got = 0;
  if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got))) return;
  for (long i = 0; i < got; ++i) {
    VARIANT& child = children[static_cast<size_t>(i)];
    IAccessible* inner = nullptr;
    if (V_VT(&child) == VT_DISPATCH && V_DISPATCH(&child) != nullptr &&
        SUCCEEDED(V_DISPATCH(&child)->QueryInterface(__uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&inner)))) {
      Walk(inner, depth + 1);
      inner->Release();
    } else if (V_VT(&child) == VT_I4) {
      Describe(object, V_I4(&child), depth + 1);
    }
    VariantClear(&child);
  }
}

// Null, with the error on the output, when the window gives no object.
IAccessible* ClientOf(HWND window) {
  IAccessible* object = nullptr;
  HRESULT result = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                              __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object));
  if (FAILED(result)) std::printf("!%lx\n", static_cast<unsigned long>(result));
  return SUCCEEDED(result) ? object : nullptr;
}

struct Event {
  DWORD event;
  LONG object;
  LONG child;
};
HWND listened = nullptr;
std::vector<Event> heard;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                      DWORD) {
  if (window == listened) heard.push_back({event, object, child});
}

// Waits until WM_QUIT reaches the thread, or 20 s pass; dispatches meanwhile.
void WaitForQuit() {
  MSG message;
  DWORD end = GetTickCount() + kListenMs;
  for (bool quit = false; !quit && GetTickCount() < end;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) quit = true;
      DispatchMessageW(&message);
    }
  }
}

void SayReady() {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before "ready"
  std::puts("ready");
  std::fflush(stdout);
}

// Names are read once the listening ends, so answering does not race the
// keys that the test sends meanwhile.
int Listen(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(listened = window, &process);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr,
                                       &OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
  if (hook == nullptr) return 3;
  SayReady();
  WaitForQuit();
  UnhookWinEvent(hook);
  std::map<LONG, std::string> said;  // by child id: an item's name and value, read once
  for (const Event& e : heard) {
    IAccessible* object = nullptr;
    VARIANT child = {};
    if (said.count(e.child) == 0 &&
        SUCCEEDED(AccessibleObjectFromEvent(window, static_cast<DWORD>(e.object),
                                            static_cast<DWORD>(e.child), &object, &child))) {
      said[e.child] = Text([&](BSTR* t) { return object->get_accName(child, t); }) + "\t" +
                      Text([&](BSTR* t) { return object->get_accValue(child, t); });
      object->Release();
    }
    std::printf("%lx\t%ld\t%s\n", e.event, e.child, said[e.child].c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(argv[2], nullptr, 10)));
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::string command = argv[1];
  int status = 0;
  if (command == "listen") {
    status = Listen(window);
  } else if (IAccessible* object = ClientOf(window)) {
    if (command == "tree") Walk(object, 0);
    if (command == "act") {
      std::printf("%s\t%lx\n",
                  Text([&](BSTR* t) { return object->get_accDefaultAction(Child(0), t); }).c_str(),
                  static_cast<unsigned long>(object->accDoDefaultAction(Child(0))));
    }
    object->Release();
  } else {
    status = 1;
  }
  std::puts("end");  // the answers are complete; leaving the apartment may take a while
  std::fflush(stdout);
  CoUninitialize();
  return status;
}
