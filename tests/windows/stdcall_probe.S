# uint32_t stdcall_probe(void* fn, const uint32_t* args, int32_t count,
#                        int32_t* stackDelta)   (cdecl)
#
# Pushes count arguments last to first, calls fn, and stores how far the
# stack pointer stands from where it stood before the pushes: 0 when the
# callee removed exactly its arguments, as stdcall requires. The stack is
# put back either way, so a wrong callee is reported, not fatal.
    .text
    .globl _stdcall_probe
_stdcall_probe:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 12(%ebp), %esi        # args
    movl 16(%ebp), %ecx        # count
    movl %esp, %edi            # stack pointer before the arguments
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  call *8(%ebp)              # result in eax; edi survives the call
    movl %esp, %edx
    subl %edi, %edx
    movl 20(%ebp), %ecx
    movl %edx, (%ecx)
    movl %edi, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
