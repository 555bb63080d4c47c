// A library that imports SendInput, which Windows 95 and NT 4.0 lack, and holds instructions
// that CPUs after the 80386 brought, some beside a look-alike that the 80386 has, for the gates
// to refuse the first and pass the second. It is only read, never loaded.
asm(".globl _DllMain@12; _DllMain@12: call *__imp__SendInput@12; ret $12");
asm("cmove %ecx, %edx; cmp %ecx, %edx; lock cmpxchg %ecx, (%edx); lock xchg %ecx, (%edx); cpuid");
asm("bswap %eax; xadd %eax, %ecx; rdtsc; sysenter; fucomip %st(1), %st; fucompp; fcmovb %st, %st");
asm("nopl 0(%eax); nop; movd %eax, %mm0; addps %xmm1, %xmm0; vmovaps %ymm1, %ymm0");
