// A library of instructions that CPUs after the 80386 brought, each beside a look-alike that
// the 80386 has, for the instruction gate to refuse the first and pass the second. It is only
// read, never loaded.
asm(R"(
    cmove %ecx, %edx
    cmp %ecx, %edx
    lock cmpxchg %ecx, (%edx)
    lock xchg %ecx, (%edx)
    bswap %eax
    xadd %eax, %ecx
    add %eax, %ecx
    rdtsc
    cpuid
    fucomip %st(1), %st
    fucompp
    fcmovb %st(1), %st
    fcomp %st(1)
    sysenter
    nopl 0(%eax)
    nop
    movd %eax, %mm0
    addps %xmm1, %xmm0
    vmovaps %ymm1, %ymm0
    rep stosl
    fistpl (%eax)
)");
