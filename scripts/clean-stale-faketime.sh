#!/usr/bin/env bash
# The faketime wrapper names its shared memory and semaphore after its own
# process id and leaves them behind when it is killed (a test that times
# out, a signal test). Once process ids wrap around, a new wrapper that
# gets a recycled id finds them and fails with "sem_open: File exists".
# Removes those whose process is gone.
set -euo pipefail
shopt -s nullglob
for object in /dev/shm/faketime_shm_* /dev/shm/sem.faketime_sem_*; do
    pid="${object##*_}"
    [[ "$pid" =~ ^[0-9]+$ ]] || continue
    kill -0 "$pid" 2>/dev/null || rm -f "$object"
done
