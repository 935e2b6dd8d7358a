// Drives a windowed program as a person at the keyboard would, for the tests
// of the Win32 front ends under Wine's null graphics driver (no display).
// It reads a script, one step a line:
//
//   run PROGRAM [ARGS...]  starts the program in the current directory; its
//                          standard output and errors are the driver's, its
//                          input none, and it has no console to attach to
//   wait TITLE             waits for a visible window of the program titled
//                          exactly TITLE (the rest of the line, spaces kept)
//                          and brings it to the front
//   gone TITLE             waits until no such window is shown
//   keys KEY...            presses keys in turn: a letter or digit, enter,
//                          tab, esc, space, up, down, left, right, home, end,
//                          pgup, pgdn, f4, or one joined with alt+, ctrl+ or
//                          shift+ ("alt+y", "shift+tab")
//   type TEXT              types the rest of the line
//   sleep MS
//   exit STATUS            waits for the program to end with STATUS
//
// Every step waits for the program to take what it was given. The first
// step that fails prints a line naming it, ends the program and makes the
// driver's own status 1.

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 20000;

struct Program {
  PROCESS_INFORMATION process{};
  bool running = false;
};

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
  return out;
}

struct Search {
  DWORD process_id;
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !::IsWindowVisible(window)) return TRUE;
  wchar_t text[512];
  const int length = ::GetWindowTextW(window, text, 512);
  if (std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0)) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindProgramWindow(const Program& program, const std::wstring& title) {
  Search search{program.process.dwProcessId, title};
  ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Settle(const Program& program) {
  ::WaitForInputIdle(program.process.hProcess, 2000);
  ::Sleep(80);
}

WORD KeyCode(const std::string& name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return static_cast<WORD>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<WORD>(c);
  }
  static const struct {
    const char* name;
    WORD code;
  } kKeys[] = {{"enter", VK_RETURN}, {"tab", VK_TAB},        {"esc", VK_ESCAPE},
               {"space", VK_SPACE},  {"up", VK_UP},          {"down", VK_DOWN},
               {"left", VK_LEFT},    {"right", VK_RIGHT},    {"home", VK_HOME},
               {"end", VK_END},      {"pgup", VK_PRIOR},     {"pgdn", VK_NEXT},
               {"f4", VK_F4},        {"alt", VK_MENU},       {"ctrl", VK_CONTROL},
               {"shift", VK_SHIFT},  {"backspace", VK_BACK}, {"delete", VK_DELETE}};
  for (const auto& key : kKeys) {
    if (name == key.name) return key.code;
  }
  return 0;
}

INPUT KeyInput(WORD code, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = code;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Presses "alt+shift+x" and the like: the modifiers down, the key, all up.
bool PressChord(const std::string& chord) {
  std::vector<WORD> codes;
  std::stringstream parts(chord);
  std::string part;
  while (std::getline(parts, part, '+')) {
    const WORD code = KeyCode(part);
    if (code == 0) return false;
    codes.push_back(code);
  }
  std::vector<INPUT> inputs;
  for (WORD code : codes) inputs.push_back(KeyInput(code, false));
  for (auto it = codes.rbegin(); it != codes.rend(); ++it) inputs.push_back(KeyInput(*it, true));
  return ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
         inputs.size();
}

bool TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wScan = c;
      inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    if (::SendInput(2, inputs, sizeof(INPUT)) != 2) return false;
    ::Sleep(15);
  }
  return true;
}

std::string Step(Program& program, const std::string& line) {
  const std::size_t space = line.find(' ');
  const std::string verb = line.substr(0, space);
  const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
  if (verb == "run") {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    std::wstring command = Wide(rest);
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &program.process)) {
      return "cannot start it (error " + std::to_string(::GetLastError()) + ")";
    }
    program.running = true;
    ::WaitForInputIdle(program.process.hProcess, 5000);
    return "";
  }
  if (!program.running) return "no program runs";
  if (verb == "wait" || verb == "gone") {
    const std::wstring title = Wide(rest);
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < kTimeoutMs) {
      const HWND window = FindProgramWindow(program, title);
      if (verb == "wait" && window != nullptr) {
        // Keys go to it only once it is in front with the focus inside.
        ::SetForegroundWindow(window);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
        const bool ready = ::GetForegroundWindow() == window && ::GetGUIThreadInfo(thread, &info) &&
                           (info.hwndFocus == window || ::IsChild(window, info.hwndFocus));
        if (ready) {
          ::Sleep(150);
          Settle(program);
          return "";
        }
      }
      if (verb == "gone" && window == nullptr) return "";
      if (::WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0) {
        return verb == "gone" ? "" : "the program ended before its window came";
      }
      ::Sleep(50);
    }
    return verb == "wait" ? "no such window came" : "the window stayed";
  }
  if (verb == "keys") {
    std::stringstream keys(rest);
    std::string key;
    while (keys >> key) {
      if (!PressChord(key)) return "cannot press " + key;
      Settle(program);
    }
    return "";
  }
  if (verb == "type") {
    if (!TypeText(Wide(rest))) return "cannot type";
    Settle(program);
    return "";
  }
  if (verb == "show") {
    // For writing scripts: the program's windows and where the focus is.
    Search all{program.process.dwProcessId, L"\x01"};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* search = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          ::GetWindowThreadProcessId(window, &owner);
          if (owner == search->process_id && ::IsWindowVisible(window)) {
            wchar_t text[512];
            ::GetWindowTextW(window, text, 512);
            std::wcerr << L"window: \"" << text << L"\"\n";
            ::EnumChildWindows(
                window,
                [](HWND child, LPARAM) -> BOOL {
                  wchar_t name[64], text[1024];
                  ::GetClassNameW(child, name, 64);
                  ::SendMessageW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
                  if (::IsWindowVisible(child) && text[0] != 0) {
                    std::wcerr << L"  " << name << L": \"" << text << L"\"\n";
                  }
                  return TRUE;
                },
                0);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (::GetGUIThreadInfo(0, &info) && info.hwndFocus != nullptr) {
      wchar_t name[64], text[256];
      ::GetClassNameW(info.hwndFocus, name, 64);
      ::SendMessageW(info.hwndFocus, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
      std::wcerr << L"focus: " << name << L" \"" << text << L"\"\n";
    }
    return "";
  }
  if (verb == "sleep") {
    ::Sleep(static_cast<DWORD>(std::stoul(rest)));
    return "";
  }
  if (verb == "exit") {
    if (::WaitForSingleObject(program.process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
      return "the program did not end";
    }
    DWORD status = 0;
    ::GetExitCodeProcess(program.process.hProcess, &status);
    program.running = false;
    if (std::to_string(status) != rest) return "it ended with status " + std::to_string(status);
    return "";
  }
  return "unknown step";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: window_driver SCRIPT\n";
    return 2;
  }
  // The programs it starts find no console to attach to, as from Explorer.
  ::FreeConsole();
  std::ifstream script(argv[1], std::ios::binary);
  if (!script) {
    std::cerr << "window_driver: cannot read " << argv[1] << "\n";
    return 2;
  }
  Program program;
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string failure = Step(program, line);
    if (!failure.empty()) {
      std::cerr << "window_driver: " << argv[1] << ":" << number << ": " << line << ": " << failure
                << "\n";
      if (program.running) ::TerminateProcess(program.process.hProcess, 99);
      return 1;
    }
  }
  if (program.running) {
    std::cerr << "window_driver: " << argv[1] << ": the script ended with the program running\n";
    ::TerminateProcess(program.process.hProcess, 99);
    return 1;
  }
  return 0;
}
