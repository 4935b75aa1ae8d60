# shellcheck shell=bash
# Sourced at the top of the scripts that start Wine: runs the script again,
# with the same arguments, without address-space randomisation (setarch
# -R); every Wine process it starts inherits that.
#
# Debian's Wine has no preloader, and its loader wine64 is linked at the
# fixed address 0x7d000000. The kernel starts a 64-bit program's heap at a
# random place up to 1 GiB above the program, so now and then the loader's
# heap covers 0x7ffe0000, where Wine maps the shared user data page of every
# Windows process. That process then ends with exit code 1 before any of
# its own code runs, writing nothing (WINEDEBUG=err+virtual shows "failed
# to map the shared user data: c0000018"). Without randomisation the heap
# starts right after the loader, far below that page.
#
# Where the personality cannot be changed (a seccomp filter may forbid it),
# the script goes on as it is.
if (((0x$(cat /proc/self/personality) & 0x0040000) == 0)) && setarch -R true 2>/dev/null; then
    exec setarch -R "${BASH:-bash}" "$0" "$@"
fi
