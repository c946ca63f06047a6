// Test entry: GoogleTest plus a vectored exception handler. Wine swallows access
// violations inside hook and timer callbacks, so a crash there would look like
// "nothing happened"; the handler turns any such fault into a failed run.
#include <windows.h>

#include <stdio.h>

#include <gtest/gtest.h>

static LONG CALLBACK FailOnFault(EXCEPTION_POINTERS* info) {
    DWORD code = info->ExceptionRecord->ExceptionCode;
    if (code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_STACK_OVERFLOW ||
        code == EXCEPTION_INT_DIVIDE_BY_ZERO || code == EXCEPTION_ILLEGAL_INSTRUCTION) {
        fprintf(stderr, "FATAL: exception 0x%08lx at %p\n", (unsigned long)code,
                info->ExceptionRecord->ExceptionAddress);
        fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

int main(int argc, char** argv) {
    AddVectoredExceptionHandler(1, FailOnFault);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
