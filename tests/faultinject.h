#pragma once

// The fault-injection library of the tests (libplimofault.so): it stands between the
// program and the C library for every call that changes a file (open for writing,
// write, truncate, fallocate, fsync, rename, link, unlink, chown, chmod) and fails the
// Nth of them with EIO; a write that fails is a short write of half its bytes, and the
// write after it fails. A process that links it is armed with FaultArm; one started
// with LD_PRELOAD=libplimofault.so is armed by PLIMO_FAULT_AT=N (and PLIMO_FAULT_COUNT,
// 1 by default). PLIMO_FAULT_TRACE prints every counted call on standard error.

extern "C" {

// Counts the file-changing calls from now on and fails count of them from the
// failAt-th on (1 is the first call); failAt 0 only counts.
void FaultArm(long failAt, long count);

// Stops failing and counting.
void FaultDisarm();

// The file-changing calls counted since FaultArm.
long FaultCalls();

// The name of the call that was failed first ("rename"), or an empty string.
const char* FaultFailedCall();
}
