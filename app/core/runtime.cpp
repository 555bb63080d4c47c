// What the C runtime would otherwise give Quillet99.exe: its entry point, the heap behind new
// and delete, and the memory functions the compiler calls on its own. The first Windows 95
// releases ship no msvcrt.dll, so the host imports system DLLs only. Linked into the program
// alone; the test programs that link the host's code keep their runtime.
#include <windows.h>

// Laid out by the linker: -1, the constructors of objects at namespace scope, 0.
extern "C" void (*__CTOR_LIST__[])();

namespace {

// The command line past the program's name, as a runtime hands it to WinMain.
LPSTR ArgumentsOf(LPSTR line) {
    for (bool quoted = false; *line && (quoted || (*line != ' ' && *line != '\t')); ++line)
        if (*line == '"') quoted = !quoted;
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

void RunConstructors() {
    int count = 0;
    while (__CTOR_LIST__[count + 1])
        ++count;
    for (int i = count; i >= 1; --i)
        __CTOR_LIST__[i]();
}

HANDLE Heap() {
    return GetProcessHeap();
}

} // namespace

// Windows keeps the stack 4-byte aligned only; the compiler expects 16 inside.
#if defined(__GNUC__) && defined(__i386__)
#define REALIGNS_STACK __attribute__((force_align_arg_pointer))
#else
#define REALIGNS_STACK
#endif
extern "C" REALIGNS_STACK void __cdecl QuilletStartup() {
    RunConstructors();
    STARTUPINFOA startup;
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess(static_cast<UINT>(
        WinMain(GetModuleHandleA(nullptr), nullptr, ArgumentsOf(GetCommandLineA()), show)));
}

// No exceptions: a failed allocation is a null pointer, which new-expressions check
// (-fcheck-new).
void* operator new(size_t size) {
    return HeapAlloc(Heap(), 0, size ? size : 1);
}
void* operator new[](size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    if (block) HeapFree(Heap(), 0, block);
}
void operator delete[](void* block) noexcept {
    operator delete(block);
}
void operator delete(void* block, size_t) noexcept {
    operator delete(block);
}
void operator delete[](void* block, size_t) noexcept {
    operator delete(block);
}

// Built with -fno-tree-loop-distribute-patterns, so that these loops do not become calls to
// themselves.
extern "C" void* memset(void* target, int value, size_t size) {
    auto* bytes = static_cast<unsigned char*>(target);
    while (size--)
        *bytes++ = static_cast<unsigned char>(value);
    return target;
}

extern "C" void* memcpy(void* target, const void* source, size_t size) {
    auto* to = static_cast<unsigned char*>(target);
    const auto* from = static_cast<const unsigned char*>(source);
    while (size--)
        *to++ = *from++;
    return target;
}

// Class names are compared byte for byte, as the registry stores them; lstrcmpA would sort by
// the user's locale.
extern "C" int strcmp(const char* a, const char* b) {
    while (*a && *a == *b)
        ++a, ++b;
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

extern "C" char* strchr(const char* text, int wanted) {
    for (;; ++text) {
        if (*text == static_cast<char>(wanted)) return const_cast<char*>(text);
        if (!*text) return nullptr;
    }
}
