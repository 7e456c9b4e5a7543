#pragma once

// The fault-injection library of the tests (libplimofault.so): it stands between the
// program and the C library for every call that changes a file (open for writing,
// write, truncate, fallocate, fsync, rename, link, unlink, chown, chmod) and fails the
// Nth of them with EIO; a write that fails is a short write of half its bytes, and the
// write after it fails. A process that links it is armed with FaultArm; one started
// with LD_PRELOAD=libplimofault.so is armed by PLIMO_FAULT_AT=N (and PLIMO_FAULT_COUNT,
// 1 by default). PLIMO_FAULT_KILL=before or after kills the process with SIGKILL at
// the Nth call instead (before it runs, or right after it returns: a pulled card, a
// power cut). PLIMO_FAULT_TRACE prints every counted call on standard error.
// PLIMO_FAULT_SLOW=ms makes every write to a file wait that long first, armed or not
// (a slow writer, for races).

enum class FaultKill { No, Before, After };

extern "C" {

// Counts the file-changing calls from now on and fails count of them from the
// failAt-th on (1 is the first call); failAt 0 only counts.
void FaultArm(long failAt, long count);

// Counts as FaultArm and kills the process at the killAt-th call, before or after it.
void FaultArmKill(long killAt, FaultKill when);

// Stops failing and counting.
void FaultDisarm();

// The file-changing calls counted since FaultArm.
long FaultCalls();

// The name of the call that was failed first ("rename"), or an empty string.
const char* FaultFailedCall();
}
